#include "RecoveryAgent.h"

#include "MainWindow.h"
#include "UiText.h"

#include <QStatusBar>
#include <QTimer>

CRecoveryAgent::CRecoveryAgent(CMainFrame& frame, CRecoveryStore store, bool copyExists,
                               CRecoveryTiming timing, int pollMilliseconds)
    : m_frame(frame), m_store(std::move(store)),
      m_controller(frame.Document(), m_store, copyExists, &std::chrono::steady_clock::now, timing),
      m_timer(new QTimer(this)) {
    m_timer->setInterval(pollMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &CRecoveryAgent::OnTimer);
    m_timer->start();
    connect(&frame, &CMainFrame::closeAccepted, this, [this] {
        m_timer->stop();
        m_controller.EndSession();
    });
}

CRecoveryAgent::~CRecoveryAgent() = default;

void CRecoveryAgent::OnTimer() {
    m_controller.Tick();
    if (const std::optional<std::string> error = m_controller.TakeError())
        m_frame.statusBar()->showMessage(UiText(*error), 15000);
}
