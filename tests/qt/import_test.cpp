// File > Import Table and Edit > Paste Table Source in the main window under the offscreen
// platform: the file through the scripted file dialog, the clipboard through the real
// QClipboard with an HTML flavour beside its text.

#include "FakePlatform.h"
#include "GridWidget.h"
#include "MainWindow.h"
#include "Resource.h"
#include "SplashWindow.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const char* const kLatex = "\\documentclass{article}\n"
                           "\\begin{document}\n"
                           "%%BrindlePlease%%\n"
                           "\\begin{tabular}{|l|c|}\n"
                           "\\hline\n"
                           "Name & 値 \\\\ \\hline\n"
                           "\\multicolumn{2}{|r|}{sum} \\\\\n"
                           "\\hline\n"
                           "\\end{tabular}\n"
                           "\\end{document}\n";

// What a spreadsheet puts beside its tab-separated text.
const char* const kSheetHtml =
    "<html><head><meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\"></head>"
    "<body><table border=\"0\"><tr><td rowspan=\"2\" valign=\"bottom\">表</td>"
    "<td align=\"right\">1</td></tr><tr><td>2</td></tr></table></body></html>";

// The text of action as an item of the menu titled title, or empty when it is not there.
QString MenuItemText(QMenuBar* bar, const QString& title, QAction* action) {
    for (QAction* top : bar->actions()) {
        if (top->text() != title || !top->menu())
            continue;
        for (QAction* item : top->menu()->actions())
            if (item == action)
                return item->text();
    }
    return {};
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CFakeMessageBox> m_box;
    std::unique_ptr<CFakeFileDialog> m_fileDialog;
    std::unique_ptr<CFakeFileTypeQuestion> m_fileType;
    std::unique_ptr<CMainFrame> m_frame;
    QTemporaryDir m_dir;

    CMyDoc& Doc() { return m_frame->Document(); }
    CMyView& View() { return m_frame->View(); }
    std::string TextAt(int c, int r) {
        const CCellData* rec = Doc().m_cells.GetCell(c, r);
        return rec ? rec->text : std::string("(none)");
    }
    std::string Write(const QString& name, const QByteArray& bytes) {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(bytes);
        return file.fileName().toStdString();
    }
    void Click(int c, int r) {
        QTest::mouseClick(m_frame->Grid(), Qt::LeftButton, {},
                          QPoint(50 + 100 * (c - 1) + 30, 25 + 40 * (r - 1) + 20));
    }
    bool Enabled(int id) {
        m_frame->UpdateCommandUi();
        QAction* action = m_frame->Action(id);
        return action && action->isEnabled();
    }
    void Menu(int id) {
        QVERIFY(Enabled(id));
        m_frame->Action(id)->trigger();
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_box = std::make_unique<CFakeMessageBox>();
        m_fileDialog = std::make_unique<CFakeFileDialog>();
        m_fileType = std::make_unique<CFakeFileTypeQuestion>();
        delete g_pSplashWnd;
        CSplashWnd::EnableSplash(false);
        m_frame = std::make_unique<CMainFrame>(*m_box, *m_fileDialog, *m_fileType);
        QVERIFY(m_frame->Start({}));
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        m_frame->Grid()->setFocus();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { m_frame.reset(); }

    void menusHoldBothCommands() {
        QCOMPARE(MenuItemText(m_frame->menuBar(), QStringLiteral("&File"),
                              m_frame->Action(ID_FILE_IMPORT_TABLE)),
                 QStringLiteral("&Import Table..."));
        QCOMPARE(MenuItemText(m_frame->menuBar(), QStringLiteral("&Edit"),
                              m_frame->Action(ID_EDIT_PASTE_SOURCE)),
                 QStringLiteral("Paste Table &Source"));
        std::unique_ptr<QMenu> context(m_frame->CreateContextMenu(nullptr));
        QStringList texts;
        for (QAction* a : context->actions())
            texts << a->text();
        QVERIFY2(texts.contains(QStringLiteral("Paste Table &Source")),
                 qPrintable(texts.join(u'|')));
    }

    void importTableOpensTheFileAsANewUntitledTable() {
        Doc().SetPathName(m_dir.filePath(QStringLiteral("before.brd")).toStdString());
        m_fileDialog->AnswerPath(Write(QStringLiteral("paper.tex"), kLatex));
        Menu(ID_FILE_IMPORT_TABLE);

        QVERIFY(m_box->shown.empty());
        QCOMPARE(TextAt(1, 1), std::string("Name"));
        QCOMPARE(TextAt(2, 1), std::string("\x92\x6c")); // 値 in code page 932
        QCOMPARE(TextAt(1, 2), std::string("sum"));
        QCOMPARE(int(Doc().m_cells.GetCell(1, 2)->colspan), 2);
        QCOMPARE(int(Doc().m_cells.GetCell(1, 2)->hplace), 2);
        QCOMPARE(Doc().m_hLines.GetLine(1, 2), LINE_SINGLE);
        QCOMPARE(Doc().m_vLines.GetLine(1, 1), LINE_SINGLE);
        QVERIFY(Doc().IsModified());
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Untitled[*] - Visual Brindle R1.5"));
        QVERIFY(m_frame->isWindowModified());
        // The document around the table stays out of the generated source.
        QCOMPARE(View().Generation().Options().Doc, 0);
        // Contents replaced: nothing to undo.
        QVERIFY(View().UndoBlock().IsEmpty());
    }

    void importErrorShowsWhereAndKeepsTheTable() {
        CCellData rec;
        rec.text = "mine";
        Doc().m_cells.SetCell(2, 2, rec);
        Doc().SetModifiedFlag(true);
        m_box->answers = {MsgAnswer::No};
        m_fileDialog->AnswerPath(Write(QStringLiteral("broken.tex"),
                                       "\\begin{tabular}{ll}\na & b & c \\\\\n"
                                       "\\end{tabular}\n"));
        Menu(ID_FILE_IMPORT_TABLE);

        QCOMPARE(m_box->shown.size(), size_t(2));
        const QString shown = QString::fromStdString(m_box->shown[1].text);
        QVERIFY2(shown.contains(QStringLiteral("broken.tex")) &&
                     shown.contains(QStringLiteral("line 2, column ")),
                 qPrintable(shown));
        QCOMPARE(TextAt(2, 2), std::string("mine"));
        QCOMPARE(TextAt(1, 1), std::string("(none)"));
        QVERIFY(Doc().IsModified());
    }

    void pasteTableSourceTakesTheHtmlFlavourThenUndoes() {
        QVERIFY(!Enabled(ID_EDIT_PASTE_SOURCE));
        auto* data = new QMimeData;
        data->setHtml(QString::fromUtf8(kSheetHtml));
        data->setText(QStringLiteral("\\begin{tabular}{c} text \\\\ \\end{tabular}"));
        QGuiApplication::clipboard()->setMimeData(data);
        QVERIFY(Enabled(ID_EDIT_PASTE_SOURCE));

        Click(3, 2);
        Menu(ID_EDIT_PASTE_SOURCE);
        QVERIFY2(m_box->shown.empty(), m_box->shown.empty() ? "" : m_box->shown[0].text.c_str());
        QCOMPARE(TextAt(3, 2), std::string("\x95\x5c")); // 表
        QCOMPARE(int(Doc().m_cells.GetCell(3, 2)->rowspan), 2);
        QCOMPARE(int(Doc().m_cells.GetCell(3, 2)->vplace), 2);
        QCOMPARE(TextAt(4, 2), std::string("1"));
        QCOMPARE(int(Doc().m_cells.GetCell(4, 2)->hplace), 2);
        QCOMPARE(TextAt(4, 3), std::string("2"));
        QVERIFY(Doc().IsModified());

        QTest::keyClick(m_frame->Grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(TextAt(3, 2), std::string("(none)"));
        QCOMPARE(TextAt(4, 3), std::string("(none)"));
    }

    void pasteErrorShowsWhereAndChangesNothing() {
        QGuiApplication::clipboard()->setText(
            QStringLiteral("\\begin{tabular}{c}\n\\multicolumn{2}{c}{x \\\\\n\\end{tabular}\n"));
        Click(1, 1);
        Menu(ID_EDIT_PASTE_SOURCE);
        QCOMPARE(m_box->shown.size(), size_t(1));
        QVERIFY2(QString::fromStdString(m_box->shown[0].text).contains(QStringLiteral("line 2")),
                 m_box->shown[0].text.c_str());
        QVERIFY(!Doc().IsModified());
        QCOMPARE(TextAt(1, 1), std::string("(none)"));
    }
};

QTEST_MAIN(ImportTest)
#include "import_test.moc"
