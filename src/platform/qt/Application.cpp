#include "Application.h"

#include "FileTypeDialog.h"
#include "MainWindow.h"
#include "QtFileDialog.h"
#include "QtMessageBox.h"
#include "SplashWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

#include <cstdio>

CMyApp::CMyApp() = default;

CMyApp::~CMyApp() {
    // The main window holds references to the platform objects.
    m_frame.reset();
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
    auto fileType = std::make_unique<CFileTypeDlg>();
    m_frame = std::make_unique<CMainFrame>(*m_messageBox, *m_fileDialog, *fileType);
    m_fileType = fileType.release();
    m_messageBox->SetParent(m_frame.get());
    m_fileDialog->SetParent(m_frame.get());
    m_fileType->setParent(m_frame.get(), m_fileType->windowFlags());

    const QStringList files = parser.positionalArguments();
    const std::string path =
        files.isEmpty() ? std::string() : QFile::encodeName(files.first()).toStdString();
    if (!m_frame->Start(path)) {
        m_exitCode = 1;
        return false;
    }
    m_frame->show();
    return true;
}
