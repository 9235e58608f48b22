#include "Application.h"

#include "FileTypeDialog.h"
#include "MainWindow.h"
#include "QtFileDialog.h"
#include "QtMessageBox.h"
#include "QtProfileStore.h"
#include "RecoveryAgent.h"
#include "RecoveryQuestion.h"
#include "RecoveryStartup.h"
#include "SplashWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

#include <cstdio>

CMyApp::CMyApp() = default;

CMyApp::~CMyApp() {
    // The recovery copy's keeper watches the document; the main window holds references to
    // the platform objects.
    m_recovery.reset();
    m_frame.reset();
    m_settings.reset();
}

bool CMyApp::InitInstance(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Visual Brindle: a table editor for LaTeX and HTML tables."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The table (.brd, .csv or .txt) to open."),
                                 QStringLiteral("[file]"));
    QCommandLineOption measure(QStringLiteral("measure-startup"));
    measure.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(measure);
    QCommandLineOption noRecovery(
        QStringLiteral("no-recovery"),
        QStringLiteral("Start without asking about unsaved changes left by an editor that did "
                       "not end normally (they stay for a later start)."));
    parser.addOption(noRecovery);
    QStringList all = arguments;
    all.prepend(QCoreApplication::applicationFilePath());
    if (!parser.parse(all)) {
        std::fprintf(stderr, "visual-brindle: %s\n", qPrintable(parser.errorText()));
        m_exitCode = 2;
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return false;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("visual-brindle %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return false;
    }

    CSplashWnd::EnableSplash(true);
    CSplashWnd::InstallAppFilter();

    m_messageBox = std::make_unique<CQtMessageBox>();
    m_fileDialog = std::make_unique<CQtFileDialog>();

    // Asked before the main window shows any table.
    CRecoveryStore store(DefaultRecoveryFolder(), CProcessId::Self());
    std::optional<CRecoveryCopy> recovered;
    if (!parser.isSet(noRecovery)) {
        CQtRecoveryQuestion question;
        recovered = RunRecoveryStartup(store, question, *m_messageBox);
    }

    auto fileType = std::make_unique<CFileTypeDlg>();
    m_frame = std::make_unique<CMainFrame>(*m_messageBox, *m_fileDialog, *fileType);
    m_settings = std::make_unique<CQtProfileStore>();
    m_frame->UseSettings(*m_settings);
    m_fileType = fileType.release();
    m_messageBox->SetParent(m_frame.get());
    m_fileDialog->SetParent(m_frame.get());
    m_fileType->setParent(m_frame.get(), m_fileType->windowFlags());

    const QStringList files = parser.positionalArguments();
    const std::string path =
        files.isEmpty() ? std::string() : QFile::encodeName(files.first()).toStdString();
    if (recovered) {
        // The recovered table takes the place of the file named on the command line.
        m_frame->Start({});
        const CReadResult read =
            m_frame->Document().OpenUnsaved(recovered->nativeBytes, recovered->header.path,
                                            recovered->header.kind == CRecoveryHeader::Imported);
        if (read.Failed()) {
            std::string error;
            const std::optional<std::string> aside = store.MoveAside(store.OwnCopyPath(), error);
            m_messageBox->Show(read.message +
                                   (aside ? "\nThe copy is kept as \"" + *aside + "\"."
                                          : "\nThe copy stays as \"" + store.OwnCopyPath() + "\"."),
                               MsgIcon::Exclamation, MsgButtons::Ok);
            recovered.reset();
        }
    } else if (!m_frame->Start(path)) {
        m_exitCode = 1;
        return false;
    }
    m_recovery =
        std::make_unique<CRecoveryAgent>(*m_frame, std::move(store), recovered.has_value());
    m_frame->show();
    return true;
}
