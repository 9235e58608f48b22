#include "SplashWindow.h"

#include "Icons.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

bool g_bSplashEnabled = false;
CSplashWnd* g_pSplashWnd = nullptr;
bool g_bSplashVisible = false;

void CSplashWnd::EnableSplash(bool enable) {
    g_bSplashEnabled = enable;
}

void CSplashWnd::ShowSplash(QWidget* owner) {
    if (!g_bSplashEnabled || g_pSplashWnd)
        return;
    auto* splash = new CSplashWnd(owner);
    if (splash->m_bitmap.isNull()) {
        delete splash;
        return;
    }
    g_pSplashWnd = splash;
    splash->show();
    splash->repaint();
}

void CSplashWnd::PreTranslateAppMessage(QEvent::Type type) {
    if (!g_pSplashWnd)
        return;
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: // a key that ends up as a shortcut never arrives as KeyPress
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        g_pSplashWnd->Destroy();
        break;
    default:
        break;
    }
}

void CSplashWnd::InstallAppFilter() {
    static CSplashEventFilter* filter = nullptr;
    if (!filter && qApp) {
        filter = new CSplashEventFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

CSplashWnd::CSplashWnd(QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_bitmap(SplashPicture()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::ArrowCursor);
    setFixedSize(m_bitmap.size());
    CenterOverOwner();
    m_timer = startTimer(kLifetimeMs);
    g_bSplashVisible = true;
}

CSplashWnd::~CSplashWnd() {
    if (g_pSplashWnd == this) {
        g_pSplashWnd = nullptr;
        g_bSplashVisible = false;
    }
}

void CSplashWnd::CenterOverOwner() {
    const QWidget* owner = parentWidget();
    QRect area;
    if (owner && owner->isVisible())
        area = owner->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void CSplashWnd::Destroy() {
    if (m_timer) {
        killTimer(m_timer);
        m_timer = 0;
    }
    if (g_pSplashWnd == this)
        g_pSplashWnd = nullptr;
    g_bSplashVisible = false;
    hide();
    deleteLater();
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_bitmap);
}

void CSplashWnd::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_timer)
        Destroy();
}

bool CSplashEventFilter::eventFilter(QObject* watched, QEvent* event) {
    if (g_pSplashWnd) {
        const QEvent::Type type = event->type();
        // A mouse event reaches every widget up the parent chain; left, right and middle
        // presses count, and any key.
        if (type == QEvent::MouseButtonPress || type == QEvent::NonClientAreaMouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton))
                CSplashWnd::PreTranslateAppMessage(type);
        } else {
            CSplashWnd::PreTranslateAppMessage(type);
        }
    }
    return QObject::eventFilter(watched, event);
}
