#include "CellArray.h"
#include "DecodeOpDlg.h"
#include "FakePlatform.h"
#include "FileIo.h"
#include "FileTypeQuestion.h"
#include "GenerateDlgs.h"
#include "LineArray.h"
#include "MyDoc.h"
#include "MyView.h"
#include "QtDeviceContext.h"
#include "QtGenerateDialogs.h"
#include "Resource.h"
#include "SourcePreviewDlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <fstream>
#include <functional>
#include <memory>

namespace {

class CCsvAnswer : public IFileTypeQuestion {
public:
    bool AskCsv() override { return true; }
};

std::string ReadFile(const QString& path) {
    std::string s;
    ReadWholeFile(path.toStdString(), s);
    return s;
}

void WriteFile(const QString& path, const std::string& s) {
    std::ofstream(path.toStdString(), std::ios::binary) << s;
}

// Acts on modal dialogs as they come up, one step per dialog, in order. A step may open
// further modal dialogs; the steps after it then run inside. A dialog that no step takes
// within ten seconds is rejected, so that a broken test fails instead of hanging.
class CModalScript : public QObject {
public:
    CModalScript() {
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, &CModalScript::Poll);
        m_timer.start();
    }
    template <class T> void Then(std::function<void(T*)> act) {
        m_steps.push_back({[](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                           [act](QWidget* w) { act(qobject_cast<T*>(w)); }});
    }
    bool Done() const { return m_steps.empty(); }

private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };

    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            m_idle.invalidate();
            return;
        }
        if (m_pending)
            return;
        if (!m_steps.empty() && m_steps.front().matches(modal)) {
            m_idle.invalidate();
            const Step step = m_steps.front();
            m_steps.pop_front();
            // Outside the timer's own activation, which Qt does not repeat while it runs.
            m_pending = true;
            QTimer::singleShot(0, modal, [this, step, modal] {
                m_pending = false;
                step.act(modal);
            });
            return;
        }
        if (!m_idle.isValid()) {
            m_idle.start();
        } else if (m_idle.elapsed() > 10000) {
            qWarning("no step for the modal %s", modal->metaObject()->className());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            m_idle.invalidate();
        }
    }

    QTimer m_timer;
    std::deque<Step> m_steps;
    QElapsedTimer m_idle;
    bool m_pending = false;
};

// "表" in code page 932.
const char kHyo[] = "\x95\x5c";

} // namespace

class GenerateDialogsTest : public QObject {
    Q_OBJECT

    CFakeMessageBox m_box;
    CFakeFileDialog m_files;
    CFakeClipboard m_clipboard;
    CCsvAnswer m_fileType;
    std::unique_ptr<CMyDoc> m_doc;
    std::unique_ptr<CMyView> m_view;
    std::unique_ptr<QWidget> m_owner;
    CQtGenerateDialogs* m_dialogs = nullptr;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString Path(const char* name) const { return m_dir->filePath(QString::fromUtf8(name)); }
    // The selection (1, 1)-(c, r), made as a range-mode move makes it. This view has no window:
    // it draws into a scrap image.
    void SelectFromTheCorner(int c, int r) {
        QImage scrap(1, 1, QImage::Format_RGB32);
        CQtDeviceContext dc(scrap);
        if (m_view->Selection().RangeMode())
            m_view->ToggleRangeMode();
        m_view->MoveCursor(dc, 1, 1, false);
        m_view->ToggleRangeMode();
        m_view->MoveCursor(dc, 1, 1, false);
        m_view->MoveCursor(dc, c, r, true);
        dc.End();
        QCOMPARE(m_view->Selection().Normalized(), (CCellRect{1, 1, c, r}));
    }

    // Generates a tabular from the target dialog and hands the preview to `preview`.
    void Generate(CModalScript& script, std::function<void(CSourcePreviewDlg*)> preview) {
        script.Then<CGenerateTargetDlg>([](CGenerateTargetDlg* d) { d->m_tabular->click(); });
        script.Then<CSourcePreviewDlg>(std::move(preview));
    }
    static void Edit(CSourcePreviewDlg* d, const QString& text) {
        d->m_edit->setFocus();
        d->m_edit->selectAll();
        d->m_edit->insertPlainText(text);
    }

private slots:
    void init() {
        m_box.shown.clear();
        m_files.requests.clear();
        m_files.results.clear();
        m_clipboard.text.reset();
        m_doc = std::make_unique<CMyDoc>(m_box, m_files, m_fileType);
        CCellData d;
        d.text = std::string("a") + kHyo;
        m_doc->m_cells.SetCell(1, 1, d);
        d.text = "b";
        m_doc->m_cells.SetCell(2, 1, d);
        m_view = std::make_unique<CMyView>(*m_doc);
        SelectFromTheCorner(2, 1);
        m_owner = std::make_unique<QWidget>();
        m_owner->setGeometry(100, 100, 900, 700);
        m_owner->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_owner.get()));
        m_dialogs = new CQtGenerateDialogs(m_box, m_files, m_owner.get());
        m_dialogs->SetClipboard(&m_clipboard);
        m_view->SetGenerateServices(m_dialogs->Services());
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup() {
        m_view.reset();
        m_owner.reset();
        m_doc.reset();
        m_dir.reset();
    }

    void sheetShowsItsPagesAndControls() {
        COptionsRecord record;
        CDecodeOpData data(record);
        CDecodeOpDlg sheet(data, m_box);
        QCOMPARE(sheet.windowTitle(), QString::fromUtf8("產生之選項"));
        QCOMPARE(sheet.m_tabs->count(), 3);
        QCOMPARE(sheet.m_tabs->tabText(0), QString::fromUtf8("tabular環境"));
        QCOMPARE(sheet.m_tabs->tabText(1), QString::fromUtf8("array環境"));
        QCOMPARE(sheet.m_tabs->tabText(2), QString::fromUtf8("HTML格式"));
        QCOMPARE(sheet.m_page1->m_doc->text(), QString::fromUtf8("加一行 \\documentstyle{..."));
        QCOMPARE(sheet.m_page1->m_table->text(), QString::fromUtf8("加一行 \\begin{table}..."));
        QCOMPARE(sheet.m_page1->m_labelPos->button(1)->text(), QString::fromUtf8("下"));
        QCOMPARE(sheet.m_page2->m_kakko->button(3)->text(), QString::fromUtf8("中括弧   ["));
        QCOMPARE(sheet.m_page2->m_math->button(2)->text(), QString::fromUtf8("顯示式數式表示 \\["));
        QCOMPARE(sheet.m_page3->m_borderHTML->text(), QString::fromUtf8("引入框線"));
        const auto buttons = sheet.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 2); // OK and Cancel, no Apply
    }

    void sheetCancelKeepsPagesLeftAndDropsThePageOnShow() {
        COptionsRecord record;
        CDecodeOpData data(record);
        data.m_options.CapStr = std::string("cap") + kHyo;
        data.m_options.LabelPos = -1;
        {
            CDecodeOpDlg sheet(data, m_box);
            sheet.show();
            // Neither radio button shows the stored -1.
            QCOMPARE(sheet.m_page1->m_labelPos->checkedId(), -1);
            QCOMPARE(sheet.m_page1->m_capStr->text(), QString::fromUtf8("cap表"));
            sheet.m_tabs->setCurrentIndex(1);
            sheet.m_page2->m_kakko->button(2)->click();
            sheet.m_tabs->setCurrentIndex(0);
            sheet.m_page1->m_doc->click();
            sheet.reject();
        }
        QCOMPARE(data.m_options.Kakko, 2);
        QCOMPARE(data.m_options.Doc, 0);
        QCOMPARE(data.m_options.LabelPos, -1);
        QCOMPARE(data.m_options.CapStr, std::string("cap") + kHyo);
        {
            CDecodeOpDlg sheet(data, m_box);
            sheet.show();
            QCOMPARE(sheet.m_page1->m_doc->isChecked(), false);
            sheet.m_page1->m_doc->click();
            sheet.m_page1->m_labelPos->button(0)->click();
            sheet.m_page1->m_capStr->setText(QString::fromUtf8("新"));
            sheet.m_tabs->setCurrentIndex(2);
            sheet.m_page3->m_borderHTML->click();
            sheet.accept();
        }
        QCOMPARE(data.m_options.Doc, 1);
        QCOMPARE(data.m_options.LabelPos, 0);
        QCOMPARE(data.m_options.CapStr, std::string("\x90\x56")); // "新"
        QCOMPARE(data.m_options.BorderHTML, 1);
        QCOMPARE(data.m_options.Kakko, 2);
    }

    void sheetRefusesTextThatCodePage932CannotHold() {
        COptionsRecord record;
        CDecodeOpData data(record);
        CDecodeOpDlg sheet(data, m_box);
        sheet.show();
        sheet.m_page1->m_labelStr->setText(QString::fromUtf8("x\xF0\x9F\x98\x80"));
        sheet.m_tabs->setCurrentIndex(1);
        QCOMPARE(sheet.m_tabs->currentIndex(), 0);
        QCOMPARE(m_box.shown.size(), size_t(1));
        QVERIFY(QString::fromStdString(m_box.shown[0].text).contains(QString::fromUtf8("😀")));
        sheet.accept();
        QVERIFY(sheet.isVisible());
        sheet.reject();
        QCOMPARE(data.m_options.LabelStr, std::string());
    }

    void targetDialogButtonsAndTips() {
        CGenerateTargetDlg dialog;
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("產生的目標"));
        QCOMPARE(dialog.m_array->text(), QString::fromUtf8("array環境((&A)"));
        QCOMPARE(dialog.m_tabular->toolTip(),
                 QString::fromUtf8("tabular環境のコードを生成します。"));
        QCOMPARE(dialog.m_array->toolTip(), QString::fromUtf8("array環境のコードを生成します。"));
        QCOMPARE(dialog.m_html->toolTip(), QString::fromUtf8("HTML形式のコードを生成します。"));
        QCOMPARE(dialog.m_cancel->text(), QString::fromUtf8("取消"));
        dialog.show();
        dialog.m_html->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.m_target, TARGET_HTML);
    }

    void outputMethodEnablesTheKeywordForTheExistingFileOnly() {
        COutputMethodData method{0, "%%BrindlePlease%%"};
        COutputMethodDlg dialog(method, m_box);
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("輸出方法"));
        QCOMPARE(dialog.m_keyword->text(), QString("%%BrindlePlease%%"));
        QCOMPARE(dialog.m_keywordGroup->title(), QString::fromUtf8("關鍵字"));
        QVERIFY(dialog.m_keyword->isEnabled());
        dialog.m_method->button(1)->click();
        QVERIFY(!dialog.m_keyword->isEnabled());
        dialog.m_method->button(0)->click();
        dialog.m_keyword->setText(QStringLiteral("@@"));
        dialog.accept();
        QCOMPARE(method.m_method, 0);
        QCOMPARE(method.m_keyword, std::string("@@"));
    }

    // The new file's encoding can be chosen for the new-file method only; the dialog opens
    // with the one it is given.
    void outputMethodChoosesTheNewFileEncoding() {
        COutputMethodData method{0, "%%BrindlePlease%%", TextEncoding::Cp932};
        COutputMethodDlg dialog(method, m_box);
        QCOMPARE(dialog.m_encodingGroup->isEnabled(), false);
        QCOMPARE(dialog.m_encoding->checkedButton()->text(), QString("Shift_JIS (CP932)"));
        dialog.m_method->button(1)->click();
        QVERIFY(dialog.m_encodingGroup->isEnabled());
        QVERIFY(!dialog.m_keyword->isEnabled());
        QCOMPARE(dialog.m_encoding->button(int(TextEncoding::Utf8))->text(), QString("UTF-8"));
        dialog.m_encoding->button(int(TextEncoding::Utf8))->click();
        dialog.accept();
        QCOMPARE(method.m_method, 1);
        QVERIFY(method.m_encoding == TextEncoding::Utf8);
    }

    void progressBarStaysWithinItsRange() {
        CGenerateProgressDlg progress(m_owner.get());
        progress.ShowNow(m_owner.get());
        QVERIFY(progress.isVisible());
        QCOMPARE(progress.windowTitle(), QString::fromUtf8("進行狀況"));
        QCOMPARE(progress.m_group->title(), QString::fromUtf8("原始碼產生中..."));
        progress.SetRange(3, 7);
        progress.SetPos(3);
        QCOMPARE(progress.m_progress->value(), 3);
        progress.SetPos(8); // the bottom edge of the last row
        QCOMPARE(progress.m_progress->value(), 7);
    }

    void editedTextIsWhatGetsCopiedAndSaved() {
        const QString out = Path("new.tex");
        m_files.AnswerPath(out.toStdString());
        CModalScript script;
        Generate(script, [](CSourcePreviewDlg* d) {
            QCOMPARE(d->windowTitle(), QString::fromUtf8("產生之原始碼之預視與編輯"));
            QVERIFY(d->m_edit->toPlainText().contains(QString::fromUtf8("a表 & b")));
            Edit(d, QString::fromUtf8("編集\nok"));
            d->m_copy->click();
            QVERIFY(d->isVisible());
            QVERIFY(!d->m_edit->textCursor().hasSelection());
            d->m_save->click();
        });
        script.Then<COutputMethodDlg>([](COutputMethodDlg* d) {
            d->m_method->button(1)->click();
            d->accept();
        });
        QVERIFY(m_view->OnCommand(ID_GENERATE));
        QVERIFY(script.Done());

        const std::string edited = "\x95\xd2\x8f\x57\r\nok"; // "編集" CR LF "ok"
        QCOMPARE(m_clipboard.text.value_or("<none>"), edited);
        QCOMPARE(ReadFile(out), std::string("編集\r\nok")); // a new file is UTF-8 unless chosen
        QCOMPARE(m_box.Texts(), std::vector<std::string>{"完了しました！"});
        QCOMPARE(m_files.requests.size(), size_t(1));
        QCOMPARE(m_files.requests[0].title, std::string("出力先新規ファイルの選択"));
        // The generated text itself is kept as generated.
        QVERIFY(m_view->Generation().Source().find("a\x95\x5c & b") != std::string::npos);
    }

    void unmodifiedTextKeepsItsBytes() {
        // Lone line feeds inside a cell survive a copy when the text was not edited.
        CCellData d;
        d.text = "x\ny";
        m_doc->m_cells.SetCell(1, 1, d);
        CModalScript script;
        Generate(script, [](CSourcePreviewDlg* p) {
            p->m_copy->click();
            p->m_cancel->click();
        });
        m_view->OnGenerate();
        QVERIFY(script.Done());
        QCOMPARE(m_clipboard.text.value_or(""), m_view->Generation().Source());
        QVERIFY(m_view->Generation().Source().find("x\ny") != std::string::npos);
    }

    void unreadableBytesAreShownReadOnlyAndKeptAsTheyAre() {
        CCellData d;
        d.text = "x\x85\x40y"; // not a code page 932 character
        m_doc->m_cells.SetCell(1, 1, d);
        const QString out = Path("raw.tex");
        m_files.AnswerPath(out.toStdString());
        CModalScript script;
        Generate(script, [this](CSourcePreviewDlg* p) {
            QTRY_COMPARE(m_box.shown.size(), size_t(1));
            QCOMPARE(m_box.shown[0].text, std::string(kMsgPreviewUnreadable));
            QVERIFY(p->m_edit->isReadOnly());
            QVERIFY(p->m_edit->toPlainText().contains(QString::fromUtf8("x\xEF\xBF\xBDy")));
            // As UTF-8 they cannot be written: refused, and the preview stays open.
            p->m_save->click();
            QVERIFY(p->isVisible());
            p->m_save->click();
        });
        script.Then<COutputMethodDlg>([](COutputMethodDlg* p) {
            p->m_method->button(1)->click();
            p->accept();
        });
        // In code page 932 they are written as they are.
        script.Then<COutputMethodDlg>([](COutputMethodDlg* p) {
            p->m_method->button(1)->click();
            p->m_encoding->button(int(TextEncoding::Cp932))->click();
            p->accept();
        });
        m_files.AnswerPath(out.toStdString());
        m_view->OnGenerate();
        QVERIFY(script.Done());
        QCOMPARE(m_box.shown.size(), size_t(3));
        QCOMPARE(m_box.shown[1].text,
                 out.toStdString() +
                     "\nUTF-8 で表せない文字が含まれているため、書き込みませんでした！");
        QCOMPARE(ReadFile(out), m_view->Generation().Source());
        QVERIFY(m_view->Generation().Source().find("x\x85\x40y") != std::string::npos);
    }

    void textCodePage932CannotHoldIsRefused() {
        CModalScript script;
        Generate(script, [](CSourcePreviewDlg* d) {
            Edit(d, QString::fromUtf8("\xF0\x9F\x98\x80"));
            d->m_copy->click();
            d->m_save->click();
            QVERIFY(d->isVisible());
            d->m_cancel->click();
        });
        m_view->OnGenerate();
        QVERIFY(script.Done());
        QVERIFY(!m_clipboard.text);
        QCOMPARE(m_box.shown.size(), size_t(2));
        QVERIFY(m_files.requests.empty());
    }

    void missingKeywordLeavesTheFileUnchangedAndClosesThePreview() {
        const QString target = Path("doc.tex");
        WriteFile(target, "no marker here\r\n");
        m_files.AnswerPath(target.toStdString());
        CModalScript script;
        Generate(script, [](CSourcePreviewDlg* d) { d->m_save->click(); });
        script.Then<COutputMethodDlg>([](COutputMethodDlg* d) { d->accept(); });
        m_view->OnGenerate();
        QVERIFY(script.Done());
        QCOMPARE(m_box.Texts(),
                 std::vector<std::string>{"%%BrindlePlease%%\n指定のキーワードが見つかりません！"});
        QCOMPARE(m_box.shown[0].icon, MsgIcon::Exclamation);
        QCOMPARE(ReadFile(target), std::string("no marker here\r\n"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void insertionGoesAfterTheKeyword() {
        const QString target = Path("doc.tex");
        WriteFile(target, "head\r\n%%BrindlePlease%%\r\ntail");
        m_files.AnswerPath(target.toStdString());
        CModalScript script;
        Generate(script, [](CSourcePreviewDlg* d) {
            Edit(d, QStringLiteral("T"));
            d->m_save->click();
        });
        script.Then<COutputMethodDlg>([](COutputMethodDlg* d) { d->accept(); });
        m_view->OnGenerate();
        QVERIFY(script.Done());
        QCOMPARE(ReadFile(target), std::string("head\r\n%%BrindlePlease%%\r\nT\r\ntail"));
        QCOMPARE(m_box.Texts(), std::vector<std::string>{"完了しました！"});
    }

    void unopenableFileKeepsThePreviewOpen() {
        const QString missing = Path("missing.tex");
        m_files.AnswerPath(missing.toStdString());
        CModalScript script;
        CSourcePreviewDlg* first = nullptr;
        Generate(script, [&first](CSourcePreviewDlg* d) {
            first = d;
            Edit(d, QStringLiteral("kept"));
            d->m_save->click();
        });
        script.Then<COutputMethodDlg>([](COutputMethodDlg* d) { d->accept(); });
        script.Then<CSourcePreviewDlg>([this, &first, missing](CSourcePreviewDlg* d) {
            QCOMPARE(d, first);
            QCOMPARE(m_box.Texts(),
                     std::vector<std::string>{missing.toStdString() + "\nファイルを開けません！"});
            QCOMPARE(d->m_edit->toPlainText(), QStringLiteral("kept"));
            d->m_cancel->click();
        });
        m_view->OnGenerate();
        QVERIFY(script.Done());
        QVERIFY(!QFile::exists(missing));
    }

    void previewReopensAtTheRememberedSizeOrMaximised() {
        m_view->Generation().SetPreviewGeometry({600, 400, 0});
        CModalScript script;
        Generate(script, [this](CSourcePreviewDlg* d) {
            QCOMPARE(d->size(), QSize(600, 400));
            const QPoint offset = d->frameGeometry().center() - m_owner->frameGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 2, "centred over the owner");
            // The layout follows the clipboard button's caption.
            const int w = d->m_copy->width();
            QCOMPARE(d->m_edit->geometry(), QRect(17, 20, 600 - w - 72, 400 - 35));
            QCOMPARE(d->m_group->geometry(), QRect(5, 5, 600 - w - 52, 400 - 10));
            QCOMPARE(d->m_save->y(), 30);
            d->resize(700, 450);
            QCOMPARE(d->m_edit->height(), 450 - 35);
            d->m_cancel->click();
        });
        Generate(script, [](CSourcePreviewDlg* d) {
            QCOMPARE(d->size(), QSize(700, 450));
            d->showMaximized();
            QTRY_VERIFY(d->isMaximized());
            d->reject();
        });
        Generate(script, [](CSourcePreviewDlg* d) {
            QVERIFY(d->isMaximized());
            d->reject();
        });
        m_view->OnGenerate();
        QCOMPARE(m_view->Generation().PreviewGeometry().width, 700);
        QCOMPARE(m_view->Generation().PreviewGeometry().height, 450);
        QCOMPARE(m_view->Generation().PreviewGeometry().zoomed, 0);
        m_view->OnGenerate();
        QCOMPARE(m_view->Generation().PreviewGeometry().zoomed, 1);
        m_view->OnGenerate();
        QVERIFY(script.Done());
    }

    // Reports the time from the command to the first paint of the preview holding a full
    // 250 x 250 table; a figure, not a limit.
    void fullTablePreviewTiming() {
        for (int r = 1; r <= MAX_CELLS; ++r)
            for (int c = 1; c <= MAX_CELLS; ++c) {
                CCellData d;
                d.text = "r" + std::to_string(r) + "c" + std::to_string(c) + kHyo;
                d.SetHplace((r + c) % 3);
                m_doc->m_cells.SetCell(c, r, d);
            }
        for (int i = 1; i <= MAX_CELLS; ++i)
            for (int e = 1; e <= MAX_CELLS + 1; ++e) {
                m_doc->m_hLines.SetLine(i, e, e % 2 ? LINE_SINGLE : LINE_DOUBLE);
                m_doc->m_vLines.SetLine(i, e, LINE_SINGLE);
            }
        SelectFromTheCorner(MAX_CELLS, MAX_CELLS);

        QElapsedTimer clock;
        qint64 chosen = -1;
        qint64 painted = -1;
        CPaintProbe probe([&] {
            if (painted < 0)
                painted = clock.elapsed();
        });
        qApp->installEventFilter(&probe);
        CModalScript script;
        script.Then<CGenerateTargetDlg>([&](CGenerateTargetDlg* d) {
            chosen = clock.elapsed();
            d->m_tabular->click();
        });
        script.Then<CSourcePreviewDlg>([&](CSourcePreviewDlg* d) {
            QTRY_VERIFY(painted >= 0);
            // Begin, 251 rule lines, 250 rows, end, and the empty line after the last CR LF.
            QCOMPARE(d->m_edit->blockCount(), 1 + 251 + 250 + 1 + 1);
            d->m_edit->moveCursor(QTextCursor::End);
            d->m_edit->insertPlainText(QStringLiteral("% end"));
            d->m_cancel->click();
        });
        clock.start();
        m_view->OnGenerate();
        qApp->removeEventFilter(&probe);
        QVERIFY(script.Done());
        qInfo("full 250 x 250 table: %zu bytes of source; %lld ms from the target button to "
              "the painted preview (%lld ms from the command, target dialog included)",
              m_view->Generation().Source().size(), painted - chosen, painted);
    }

private:
    // Calls back on the first paint of the preview's text.
    class CPaintProbe : public QObject {
    public:
        explicit CPaintProbe(std::function<void()> onPaint) : m_onPaint(std::move(onPaint)) {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                auto* w = qobject_cast<QWidget*>(watched);
                if (w && qobject_cast<QPlainTextEdit*>(w->parentWidget()) &&
                    qobject_cast<CSourcePreviewDlg*>(w->window()))
                    m_onPaint();
            }
            return QObject::eventFilter(watched, event);
        }

    private:
        std::function<void()> m_onPaint;
    };
};

QTEST_MAIN(GenerateDialogsTest)
#include "generate_dialogs_test.moc"
