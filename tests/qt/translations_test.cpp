// The translations: every text the user can see has a finished entry in both .ts files, the
// std-only texts are found at the Qt boundary, and the source language keeps its texts.

#include "CellInputData.h"
#include "CellSizeData.h"
#include "Clipboard.h"
#include "ClipboardCommands.h"
#include "Cp932Text.h"
#include "FakePlatform.h"
#include "GenerateDlgs.h"
#include "GenerateFlow.h"
#include "Generator.h"
#include "KeywordInsert.h"
#include "LinePalette.h"
#include "MainWindow.h"
#include "MyDoc.h"
#include "RecoveryStartup.h"
#include "Resource.h"
#include "SourcePreviewDlg.h"
#include "SplashWindow.h"
#include "TableReader.h"
#include "TextImport.h"
#include "Translation.h"
#include "UiResources.h"
#include "UiText.h"

#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <vector>

namespace {

// Unfinished or empty translations of one .ts file, as "context: source".
QStringList Unfinished(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + path};
    QStringList missing;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText();
            if (type == QLatin1String("unfinished") || text.isEmpty())
                missing << context + QStringLiteral(": \"") + source + u'"';
        }
    }
    if (xml.hasError())
        missing << path + QStringLiteral(": ") + xml.errorString();
    return missing;
}

void CollectMenu(const std::vector<CMenuEntry>& menu, std::vector<std::string>& texts) {
    for (const CMenuEntry& e : menu) {
        if (e.kind == CMenuEntry::Separator)
            continue;
        texts.push_back(e.text);
        CollectMenu(e.children, texts);
    }
}

// Every text of the std-only code that reaches the screen through the Qt boundary.
std::vector<std::string> StdTexts() {
    std::vector<std::string> texts;
    CollectMenu(MainMenu(), texts);
    CollectMenu(ContextMenu(), texts);
    std::vector<int> ids = MenuCommandIds(MainMenu());
    for (int id : ToolbarButtons())
        ids.push_back(id);
    for (const CAccelerator& a : Accelerators())
        ids.push_back(a.id);
    for (int id : ids) {
        const CCommandPrompt p = CommandPrompt(id);
        for (const std::string& t : {p.status, p.tooltip})
            if (!t.empty())
                texts.push_back(t);
    }
    texts.insert(texts.end(),
                 {kIdleMessage,
                  MSG_OUTPUT_DONE,
                  MSG_BROKEN_TARGET,
                  kMsgSpanCountRange,
                  kMsgTextTooLong,
                  kMsgPaletteNoMemory,
                  kCellSizeCaption,
                  kStdWidthTip,
                  kStdHeightTip,
                  kMsgPreviewUnreadable,
                  kMsgClipboardFailed,
                  QString::fromUtf8(kMsgCharNotCp932).arg(QStringLiteral("€")).toStdString(),
                  QString::fromUtf8(kMsgOutputNotCp932).arg(QStringLiteral("€")).toStdString(),
                  RangeMessage(25, 500),
                  CellSizeTitle(3),
                  CellSizeTitle(2, 5),
                  AllCellsSizeTitle(),
                  UnreadableCellMessage(3, 4),
                  UnconvertiblePasteMessage("€"),
                  UnconvertibleFieldMessage("/tmp/a.csv", {2, 3, "€"}),
                  CTableReadError("read", "/tmp/a.brd", "the file ends early").what(),
                  CTableReadError("open", "/tmp/a.brd", "No such file or directory").what()});
    for (ClipboardWrite w : {ClipboardWrite::NoMemory, ClipboardWrite::OpenFailed,
                             ClipboardWrite::EmptyFailed, ClipboardWrite::SetFailed})
        texts.push_back(ClipboardWriteMessage(w));
    for (COutputStatus s : {COutputStatus::ok, COutputStatus::newFileFailed,
                            COutputStatus::openFailed, COutputStatus::keywordNotFound,
                            COutputStatus::replaceFailed, COutputStatus::notConvertible})
        texts.push_back(OutputMessage({s, {}, TextEncoding::Cp932}, "/tmp/a.tex", "%%K%%"));
    CRecoveryHeader header;
    header.kind = CRecoveryHeader::Native;
    header.path = "/tmp/a.brd";
    header.savedAt = 1700000000;
    texts.push_back(RecoveryQuestionText(header));
    for (int mode : {OUTPUT_NEW_FILE, OUTPUT_EXISTING_FILE}) {
        const CFileDialogRequest r = OutputFileRequest(mode);
        texts.push_back(r.title);
        for (const CFileFilter& f : r.filters)
            texts.push_back(f.name);
    }

    // The document's own texts: the save questions, the file filters, a failed open.
    CFakeMessageBox messages;
    CFakeFileDialog files;
    CFakeFileTypeQuestion fileType;
    CMyDoc doc(messages, files, fileType);
    doc.OnNewDocument();
    doc.SetModifiedFlag(true);
    messages.answers = {MsgAnswer::Cancel, MsgAnswer::Cancel};
    doc.OnFileNew();
    doc.SaveModified();
    texts.push_back(doc.GetTitle());
    files.AnswerPath("/nonexistent-folder/missing.brd");
    doc.OnFileOpen();
    for (const std::string& t : messages.Texts())
        texts.push_back(t);
    for (const CFileDialogRequest& r : files.requests)
        for (const CFileFilter& f : r.filters)
            texts.push_back(f.name);
    return texts;
}

bool HasCjk(const QString& text) {
    static const QRegularExpression cjk(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(cjk);
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { InstallUiLanguage(UiLanguage::Source); }

    void languageChoice_data() {
        QTest::addColumn<QString>("env");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("expected");
        QTest::newRow("Japanese desktop") << QString() << "ja_JP" << int(UiLanguage::Japanese);
        QTest::newRow("Taiwanese desktop") << QString() << "zh_TW" << int(UiLanguage::Source);
        QTest::newRow("Chinese desktop") << QString() << "zh_CN" << int(UiLanguage::Source);
        QTest::newRow("German desktop") << QString() << "de_DE" << int(UiLanguage::English);
        QTest::newRow("C locale") << QString() << "C" << int(UiLanguage::English);
        QTest::newRow("en over Japanese") << "en"
                                          << "ja_JP" << int(UiLanguage::English);
        QTest::newRow("ja over German") << "ja"
                                        << "de_DE" << int(UiLanguage::Japanese);
        QTest::newRow("source over German") << "source"
                                            << "de_DE" << int(UiLanguage::Source);
        QTest::newRow("upper case") << "JA"
                                    << "de_DE" << int(UiLanguage::Japanese);
        QTest::newRow("unknown value: locale") << "fr"
                                               << "ja_JP" << int(UiLanguage::Japanese);
    }
    void languageChoice() {
        QFETCH(QString, env);
        QFETCH(QString, locale);
        QFETCH(int, expected);
        QCOMPARE(int(ChooseUiLanguage(env, QLocale(locale))), expected);
    }

    // lupdate over the Qt layer's sources into copies of the .ts files: a text that is new
    // or whose entry was never finished is named.
    void everySourceTextIsTranslatedInBothFiles() {
        QTemporaryDir dir;
        QStringList copies;
        for (const char* name : {"brindle_en.ts", "brindle_ja.ts"}) {
            const QString copy = dir.filePath(QLatin1String(name));
            QVERIFY(QFile::copy(QStringLiteral(BRINDLE_TS_DIR "/") + QLatin1String(name), copy));
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
            copies << copy;
        }
        QProcess lupdate;
        lupdate.start(QStringLiteral(BRINDLE_LUPDATE),
                      QStringList{QStringLiteral(BRINDLE_QT_SOURCES),
                                  QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                                  QStringLiteral("none"), QStringLiteral("-ts")}
                          << copies);
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        QStringList missing;
        for (const QString& copy : copies)
            for (const QString& m : Unfinished(copy))
                missing << QFileInfo(copy).fileName() + QStringLiteral(" — ") + m;
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("texts without a finished translation (refresh the "
                                           ".ts files with: cmake --build build --target "
                                           "update_translations, then translate):\n") +
                            missing.join(u'\n')));
    }

    // Menus, prompts and messages of the std-only code: each is found by UiText and has an
    // entry in both translations.
    void everyStdTextIsKnownAndTranslated() {
        QTranslator en, ja;
        QVERIFY(en.load(TranslationFile(UiLanguage::English)));
        QVERIFY(ja.load(TranslationFile(UiLanguage::Japanese)));
        QStringList missing;
        for (const std::string& utf8 : StdTexts()) {
            const QString text = QString::fromStdString(utf8);
            const char* source = UiTextSource(text);
            if (!source) {
                missing << QStringLiteral("unknown to UiText: \"") + text + u'"';
                continue;
            }
            for (QTranslator* t : {&en, &ja})
                if (t->translate(kUiTextContext, source).isEmpty())
                    missing << t->language() + QStringLiteral(": \"") + text + u'"';
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }

    // In English no Chinese or Japanese is left, also in composed messages; the parts put in
    // (a path, a number) come through as they were.
    void englishLeavesNoChineseOrJapanese() {
        QVERIFY(InstallUiLanguage(UiLanguage::English));
        QStringList left;
        for (const std::string& utf8 : StdTexts()) {
            const QString shown = UiText(utf8);
            if (HasCjk(shown))
                left << shown;
        }
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
        QCOMPARE(UiText(OutputMessage({COutputStatus::keywordNotFound, {}, TextEncoding::Utf8},
                                      "/tmp/a.tex", "%%1%2%%")),
                 QStringLiteral("%%1%2%%\nThe keyword was not found!"));
        QCOMPARE(UiText(CTableReadError("read", "/tmp/x %1.brd", "the file ends early").what()),
                 QStringLiteral("Cannot read the file \"/tmp/x %1.brd\": the file ends early."));
        QCOMPARE(UiText(RangeMessage(25, 500)),
                 QStringLiteral("Enter a whole number from 25 to 500."));
        QCOMPARE(UiText(std::string("no such text")), QStringLiteral("no such text"));
    }

    void japaneseTranslatesOurTextsAndKeepsTheQuotedOnes() {
        QVERIFY(InstallUiLanguage(UiLanguage::Japanese));
        QCOMPARE(UiText(std::string("&File")), QStringLiteral("ファイル(&F)"));
        QCOMPARE(UiText(std::string("Save changes to Untitled?")),
                 QStringLiteral("Untitled への変更を保存しますか?"));
        QCOMPARE(UiText(std::string("產生原始碼(&G)")), QStringLiteral("產生原始碼(&G)"));
        QCOMPARE(UiText(std::string(MSG_OUTPUT_DONE)), QString::fromUtf8(MSG_OUTPUT_DONE));
        CGenerateTargetDlg target;
        QCOMPARE(target.windowTitle(), QStringLiteral("產生的目標"));
        // Qt's own buttons follow.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("キャンセル"));
    }

    // BRINDLE_LANG=source (as ctest sets it): no translation is installed and the window shows
    // the quoted texts byte for byte.
    void sourceShowsTheQuotedTextsByteForByte() {
        QCOMPARE(qEnvironmentVariable("BRINDLE_LANG"), QStringLiteral("source"));
        QVERIFY(InstallUiLanguage(UiLanguage::English));
        QVERIFY(InstallUiLanguageFromEnvironment());
        QCOMPARE(int(CurrentUiLanguage()), int(UiLanguage::Source));
        QVERIFY(UiLanguageFromEnvironment());

        CGenerateTargetDlg target;
        QCOMPARE(target.windowTitle().toUtf8(), QByteArray("產生的目標"));
        const QList<QPushButton*> buttons = target.findChildren<QPushButton*>();
        QStringList texts;
        for (QPushButton* b : buttons)
            texts << b->text();
        QCOMPARE(texts,
                 (QStringList{QStringLiteral("tabular環境(&T)"), QStringLiteral("array環境((&A)"),
                              QStringLiteral("HTML格式(&H)"), QStringLiteral("取消")}));

        CFakeMessageBox messages;
        CFakeFileDialog files;
        CFakeFileTypeQuestion fileType;
        CSplashWnd::EnableSplash(false);
        CMainFrame frame(messages, files, fileType);
        QStringList menus;
        for (QAction* a : frame.menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus.at(5).toUtf8(), QByteArray("LaTeX(&L)"));
        QCOMPARE(frame.Action(ID_GENERATE)->text().toUtf8(), QByteArray("產生原始碼(&G)"));
        QCOMPARE(frame.Action(ID_GENERATE_OPTIONS)->text().toUtf8(),
                 QByteArray("產生原始碼之選項(&O)"));
        for (const std::string& utf8 : StdTexts())
            QCOMPARE(UiText(utf8).toStdString(), utf8);
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
