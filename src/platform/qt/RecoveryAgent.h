#pragma once

#include "RecoveryController.h"
#include "RecoveryStore.h"

#include <QObject>

class CMainFrame;
class QTimer;

// Keeps the recovery copy of the main window's document: a timer drives the controller, a
// write that fails shows in the status bar, and the window's normal close removes the copy.
class CRecoveryAgent : public QObject {
    Q_OBJECT
public:
    // copyExists: the store holds a copy of the document already (it was recovered).
    CRecoveryAgent(CMainFrame& frame, CRecoveryStore store, bool copyExists,
                   CRecoveryTiming timing = {}, int pollMilliseconds = 500);
    ~CRecoveryAgent() override;

    CRecoveryController& Controller() { return m_controller; }
    const CRecoveryStore& Store() const { return m_store; }

private:
    void OnTimer();

    CMainFrame& m_frame;
    CRecoveryStore m_store;
    CRecoveryController m_controller;
    QTimer* m_timer;
};
