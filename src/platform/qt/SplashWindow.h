#pragma once

#include <QEvent>
#include <QObject>
#include <QPixmap>
#include <QWidget>

class CSplashWnd;

// Program-wide state of the splash window.
extern bool g_bSplashEnabled;    // the splash may be shown
extern CSplashWnd* g_pSplashWnd; // the splash window while it exists
extern bool g_bSplashVisible;    // the splash is on screen

// The picture shown at start: at most 2000 ms, gone at the first key press or mouse click
// anywhere in the program, and for good after the first file read or write.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLifetimeMs = 2000;

    static void EnableSplash(bool enable);
    // Creates and shows the splash over owner when it is enabled and none exists.
    static void ShowSplash(QWidget* owner);
    // Removes the splash on a key press or a mouse button press; never consumes the event.
    static void PreTranslateAppMessage(QEvent::Type type);
    // Installs the application-wide event filter that feeds PreTranslateAppMessage.
    static void InstallAppFilter();

    ~CSplashWnd() override;

    // Centres the splash over its owner, or over the screen while the owner is hidden.
    void CenterOverOwner();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    explicit CSplashWnd(QWidget* owner);
    void Destroy();

    QPixmap m_bitmap;
    int m_timer = 0;
};

// Hands every event of the application to the splash; lets it through unchanged.
class CSplashEventFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
