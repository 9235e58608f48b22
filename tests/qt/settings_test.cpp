// Settings of the editor under the offscreen platform: what one main window saves the next one
// starts with, a maximised window, and the per-user store and INI folder of the application,
// which the test environment puts into folders of the build.

#include "Application.h"
#include "FakePlatform.h"
#include "GridWidget.h"
#include "MainWindow.h"
#include "QtProfileStore.h"
#include "Resource.h"
#include "SplashWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class SettingsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CFakeMessageBox> m_messageBox;
    std::unique_ptr<CFakeFileDialog> m_fileDialog;
    std::unique_ptr<CFakeFileTypeQuestion> m_fileType;

    // A main window over store, started on a new table and shown.
    std::unique_ptr<CMainFrame> StartFrame(IProfileStore& store) {
        auto frame = std::make_unique<CMainFrame>(*m_messageBox, *m_fileDialog, *m_fileType);
        frame->UseSettings(store);
        if (!frame->Start({}))
            return nullptr;
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame.get()))
            return nullptr;
        return frame;
    }

private slots:
    void initTestCase() {
        // The application's store must not be the real one.
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        QVERIFY2(!config.isEmpty(), "run through ctest: XDG_CONFIG_HOME must be set");
        QVERIFY(!qEnvironmentVariable("BRINDLE_WINDIR").isEmpty());
        QVERIFY(QDir(config).absolutePath() != QDir::home().absoluteFilePath(".config"));
    }

    void init() {
        m_messageBox = std::make_unique<CFakeMessageBox>();
        m_fileDialog = std::make_unique<CFakeFileDialog>();
        m_fileType = std::make_unique<CFakeFileTypeQuestion>();
        delete g_pSplashWnd;
        CSplashWnd::EnableSplash(false);
        qputenv("BRINDLE_WINDIR", QByteArray()); // the application tests set their own
    }

    void whatOneRunSavesTheNextStartsWith() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("store.ini"));
        {
            CQtProfileStore store(ini);
            auto frame = StartFrame(store);
            QVERIFY(frame);
            QVERIFY2(!frame->Action(ID_VIEW_GRID)->isChecked(), "the grid starts hidden");
            QVERIFY(frame->Action(ID_AUTO_HEIGHT)->isChecked());
            QCOMPARE(frame->geometry(), QRect(10, 10, 630, 390));
            frame->RunCommand(ID_VIEW_GRID);
            frame->View().Generation().Options().Math = 2;
            frame->View().SetLinePalettePosition({300, 200});
            frame->setGeometry(60, 70, 700, 500);
            QTRY_COMPARE(frame->geometry(), QRect(60, 70, 700, 500));
            QVERIFY(frame->close());
        }
        QSettings raw(ini, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("BrindleOption/Grid")).toInt(), 1);
        QCOMPARE(raw.value(QStringLiteral("BrindleOption/Math")).toInt(), 2);
        QCOMPARE(raw.value(QStringLiteral("BrindleWnd/Left")).toInt(), 60);
        QCOMPARE(raw.value(QStringLiteral("BrindleWnd/Bottom")).toInt(), 570);
        QCOMPARE(raw.value(QStringLiteral("BrindleWnd/LDlg.x")).toInt(), 300);
        QCOMPARE(raw.value(QStringLiteral("BrindleFont/Wegiht")).toInt(), 400);
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Visual Brindle R1.5"));

        CQtProfileStore store(ini);
        auto frame = StartFrame(store);
        QVERIFY(frame);
        QVERIFY(frame->Action(ID_VIEW_GRID)->isChecked());
        QCOMPARE(frame->View().Generation().Options().Math, 2);
        QCOMPARE(frame->View().LinePalettePosition(), (CPoint{300, 200}));
        QCOMPARE(frame->geometry(), QRect(60, 70, 700, 500));
    }

    void aMaximisedWindowComesBackMaximised() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("store.ini"));
        {
            CQtProfileStore store(ini);
            auto frame = StartFrame(store);
            QVERIFY(frame);
            frame->setGeometry(40, 50, 500, 300);
            frame->showMaximized();
            QTRY_VERIFY(frame->isMaximized());
            QVERIFY(frame->close());
        }
        QSettings raw(ini, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("BrindleWnd/Zoomed")).toInt(), 1);
        QCOMPARE(raw.value(QStringLiteral("BrindleWnd/Left")).toInt(), 40);
        QCOMPARE(raw.value(QStringLiteral("BrindleWnd/Right")).toInt(), 540);

        CQtProfileStore store(ini);
        auto frame = StartFrame(store);
        QVERIFY(frame);
        QVERIFY(frame->isMaximized());
        frame->showNormal();
        QTRY_COMPARE(frame->geometry(), QRect(40, 50, 500, 300));
    }

    void aCorruptStoreStillStarts() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("store.ini"));
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[BrindleWnd]\nLeft=2147483647\nRight=-2147483648\nTop=x\n"
                   "[BrindleFont]\nHeight=99999999\nFace=\xff\xfe\n"
                   "[BrindleCell]\nSize.cy=oops\n\x01\x02garbage\n");
        file.close();
        CQtProfileStore store(ini);
        auto frame = StartFrame(store);
        QVERIFY(frame);
        QCOMPARE(frame->View().ViewFont().height, 18);
        QVERIFY(frame->geometry().width() >= 100);
        QVERIFY(frame->geometry().intersects(frame->screen()->availableGeometry()));
    }

    // The application itself: the store under XDG_CONFIG_HOME, the old INI file in
    // BRINDLE_WINDIR taken over once and marked.
    void theApplicationKeepsItsSettingsWhereTheEnvironmentSays() {
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        const QString conf = config + QStringLiteral("/KESTA/Visual Brindle.conf");
        QFile::remove(conf);
        QTemporaryDir windir;
        qputenv("BRINDLE_WINDIR", windir.path().toLocal8Bit());
        const QString old = windir.filePath(QStringLiteral("Brindle.INI"));
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[BrindleFont]\r\nHeight=24\r\n[BrindleOption]\r\nGrid=1\r\n"
                   "[BrindleCell]\r\nSTD.cx=150\r\n");
        file.close();
        {
            CMyApp app;
            QVERIFY(app.InitInstance({QStringLiteral("--no-recovery")}));
            CMainFrame* frame = app.MainFrame();
            QCOMPARE(frame->View().ViewFont().height, 24);
            QVERIFY(frame->Action(ID_VIEW_GRID)->isChecked());
            QCOMPARE(int(frame->Document().m_sizes.GetStdWidth()), 150);
            QVERIFY(!QFile::exists(windir.filePath(QStringLiteral("visual-brindle.INI"))));
            QVERIFY(frame->close());
        }
        QVERIFY(QFile::exists(conf));
        QCOMPARE(QSettings(conf, QSettings::IniFormat)
                     .value(QStringLiteral("BrindleCell/STD.cx"))
                     .toInt(),
                 150);
        QSettings marked(old, QSettings::IniFormat);
        QCOMPARE(marked.value(QStringLiteral("BrindleReg/Registry")).toInt(), 1);

        // The next start reads the store, not the old file.
        {
            QSettings user(conf, QSettings::IniFormat);
            user.setValue(QStringLiteral("BrindleFont/Height"), 20);
        }
        CMyApp app;
        QVERIFY(app.InitInstance({QStringLiteral("--no-recovery")}));
        QCOMPARE(app.MainFrame()->View().ViewFont().height, 20);
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
