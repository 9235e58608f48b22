// The Qt implementations of the platform interfaces, under the offscreen platform.

#include "FileTypeDialog.h"
#include "QtClipboard.h"
#include "QtFileDialog.h"
#include "QtMessageBox.h"
#include "QtProfileStore.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs action on the modal dialog once it is open.
void OnModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, qApp, [action] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        action(QApplication::activeModalWidget());
    });
}

} // namespace

class PlatformObjectsTest : public QObject {
    Q_OBJECT

private slots:
    void profileStoreKeepsIntsAndCp932Strings() {
        QTemporaryDir dir;
        const QString ini = dir.path() + QStringLiteral("/brindle.ini");
        const std::string mincho = "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9"; // "ＭＳ 明朝"
        {
            CQtProfileStore store(ini);
            QVERIFY(store.WriteInt("BrindleFont", "Height", 22));
            QVERIFY(store.WriteInt("BrindleCell", "Size.cy", -5));
            QVERIFY(store.WriteString("BrindleFont", "Face", mincho));
            QVERIFY2(!store.WriteString("BrindleOption", "CapStr", "\x81"),
                     "a cut double-byte character cannot be stored");
        }
        CQtProfileStore store(ini);
        QCOMPARE(store.GetInt("BrindleFont", "Height", 18), 22);
        QCOMPARE(store.GetInt("BrindleCell", "Size.cy", 40), -5);
        QCOMPARE(store.GetInt("BrindleFont", "Wegiht", 400), 400);
        QCOMPARE(store.GetString("BrindleFont", "Face", "x"), mincho);
        QCOMPARE(store.GetString("BrindleOption", "CapStr", "none"), std::string("none"));
        // Text in the store is Unicode.
        QSettings raw(ini, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("BrindleFont/Face")).toString(),
                 QStringLiteral("ＭＳ 明朝"));
        // A value that is not a number reads as the default.
        raw.setValue(QStringLiteral("BrindleWnd/Left"), QStringLiteral("wide"));
        raw.sync();
        CQtProfileStore again(ini);
        QCOMPARE(again.GetInt("BrindleWnd", "Left", 10), 10);
    }

    void clipboardConvertsAndRefuses() {
        CQtClipboard clipboard;
        QCOMPARE(clipboard.SetText("a,\x95\x5c\r\n"), ClipboardWrite::Ok); // "a,表"
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a,表\r\n"));
        CClipboardText read = clipboard.GetText();
        QCOMPARE(read.status, CClipboardText::Ok);
        QCOMPARE(read.text, std::string("a,\x95\x5c\r\n"));

        QCOMPARE(clipboard.SetText("\x95"), ClipboardWrite::Unconvertible); // cut character
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a,表\r\n"));

        QGuiApplication::clipboard()->setText(QStringLiteral("smile \U0001F600 \u00E9"));
        read = clipboard.GetText();
        QCOMPARE(read.status, CClipboardText::Unconvertible);
        QCOMPARE(QString::fromStdString(read.character), QStringLiteral("\U0001F600"));
        QVERIFY(read.text.empty());
        QGuiApplication::clipboard()->clear();
        QCOMPARE(clipboard.GetText().status, CClipboardText::NoText);
    }

    void fileDialogAddsTheDefaultExtensionAndCancels() {
        QTemporaryDir dir;
        QFile existing(dir.path() + QStringLiteral("/old.brd"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();

        CFileDialogRequest save;
        save.kind = CFileDialogRequest::Save;
        save.filters = {{"<Brindle>形式 (*.brd)", "*.brd"}};
        save.defaultExt = "brd";
        save.initialName = (dir.path() + QStringLiteral("/table")).toStdString();
        save.pathMustExist = true;
        save.overwritePrompt = true;

        // Accepting the proposed name: the extension is added.
        CQtFileDialog files;
        OnModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        CFileDialogResult result = files.Run(save);
        QCOMPARE(result.outcome, CFileDialogResult::Ok);
        QCOMPARE(QString::fromStdString(result.path), dir.path() + QStringLiteral("/table.brd"));

        OnModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        result = files.Run(save);
        QCOMPARE(result.outcome, CFileDialogResult::Cancel);
        QVERIFY(result.path.empty());

        CFileDialogRequest open;
        open.filters = {{"<Brindle>形式 (*.brd)", "*.brd"}, {"All Files (*.*)", "*.*"}};
        open.defaultExt = "brd";
        open.fileMustExist = true;
        open.pathMustExist = true;
        open.initialName = existing.fileName().toStdString();
        OnModal([](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->nameFilters(), QStringList({QStringLiteral("<Brindle>形式 (*.brd)"),
                                                         QStringLiteral("All Files (*)")}));
            QTest::keyClick(w, Qt::Key_Return);
        });
        result = files.Run(open);
        QCOMPARE(result.outcome, CFileDialogResult::Ok);
        QCOMPARE(QString::fromStdString(result.path), existing.fileName());
    }

    void fileTypeQuestionAnswers() {
        CFileTypeDlg dialog;
        OnModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        QVERIFY2(dialog.AskCsv(), "CSV is the default button");

        OnModal(
            [](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("tabButton"))->click(); });
        QVERIFY(!dialog.AskCsv());

        OnModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QVERIFY2(!dialog.AskCsv(), "closing means tab-separated");
    }

    void messageBoxCaptionAndAnswers() {
        struct Case {
            MsgButtons buttons;
            QMessageBox::StandardButton press; // NoButton: Escape
            MsgAnswer expected;
        };
        const Case cases[] = {
            {MsgButtons::Ok, QMessageBox::Ok, MsgAnswer::Ok},
            {MsgButtons::YesNoCancel, QMessageBox::Yes, MsgAnswer::Yes},
            {MsgButtons::YesNoCancel, QMessageBox::No, MsgAnswer::No},
            {MsgButtons::YesNoCancel, QMessageBox::NoButton, MsgAnswer::Cancel},
            {MsgButtons::YesNo, QMessageBox::No, MsgAnswer::No},
            {MsgButtons::OkCancel, QMessageBox::Cancel, MsgAnswer::Cancel},
        };
        CQtMessageBox box;
        for (const Case& c : cases) {
            QString caption;
            OnModal([&caption, c](QWidget* w) {
                auto* mb = qobject_cast<QMessageBox*>(w);
                QVERIFY(mb);
                caption = mb->windowTitle();
                if (c.press == QMessageBox::NoButton)
                    QTest::keyClick(mb, Qt::Key_Escape);
                else
                    mb->button(c.press)->click();
            });
            const MsgAnswer answer = box.Show("text", MsgIcon::Exclamation, c.buttons);
            QCOMPARE(answer, c.expected);
            QCOMPARE(caption, QStringLiteral("Visual Brindle R1.5"));
        }
    }
};

QTEST_MAIN(PlatformObjectsTest)
#include "platform_objects_test.moc"
