#pragma once

#include <QStringList>

#include <memory>

class CMainFrame;
class CQtMessageBox;
class CQtFileDialog;
class CQtProfileStore;
class CFileTypeDlg;
class CRecoveryAgent;

// The application: the platform objects, the splash and the main window; start-up as
// InitInstance. Lives as long as the QApplication it runs in.
class CMyApp {
public:
    CMyApp();
    ~CMyApp();

    // Parses the arguments (without the program name), offers the unsaved changes an editor
    // that ended abnormally left behind (unless --no-recovery), creates the main window and
    // opens the recovered table, the file named there or a new document. False when the program
    // should end: a file that could not be read (reported), or --help / --version (printed).
    bool InitInstance(const QStringList& arguments);
    // Exit code to use when InitInstance returned false.
    int ExitCode() const { return m_exitCode; }

    CMainFrame* MainFrame() const { return m_frame.get(); }
    // The keeper of the recovery copy once InitInstance has succeeded.
    CRecoveryAgent* Recovery() const { return m_recovery.get(); }

private:
    std::unique_ptr<CQtMessageBox> m_messageBox;
    std::unique_ptr<CQtFileDialog> m_fileDialog;
    // The per-user settings; outlives the main window, which saves into it when it goes.
    std::unique_ptr<CQtProfileStore> m_settings;
    CFileTypeDlg* m_fileType = nullptr; // a child of the main window, deleted with it
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CRecoveryAgent> m_recovery;
    int m_exitCode = 0;
};
