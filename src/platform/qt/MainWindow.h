#pragma once

#include "CommandRouter.h"
#include "CommandTable.h"
#include "DocCommandTarget.h"
#include "MyDoc.h"
#include "MyView.h"
#include "UiResources.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <string>
#include <vector>

class CGridWidget;
class CQtFramePlacement;
class CRenderPanel;
class IMessageBox;
class IProfileStore;
class IFileDialog;
class IFileTypeQuestion;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;

// The main window: menu bar, toolbar, status bar and the grid. It owns the document and the
// view and routes every command to the view, then the document, then itself.
// The platform objects are passed in, so tests can script the dialogs.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(IMessageBox& messageBox, IFileDialog& fileDialog, IFileTypeQuestion& fileType,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Opens path (a new document when it is empty) and sets up the grid. False when the file
    // could not be read; the document has reported why.
    bool Start(const std::string& path);
    // Before Start: the view loads its settings and this window's placement from store when
    // it is set up, and saves them there when it goes. Without it nothing is kept.
    void UseSettings(IProfileStore& store);

    CMyDoc& Document() { return m_doc; }
    CMyView& View() { return m_view; }
    // The grid widget once Start has run.
    CGridWidget* Grid() const { return m_grid; }
    // The rendered preview panel beside the grid once Start has run (hidden while closed).
    CRenderPanel* RenderPanel() const { return m_renderPanel; }
    CCommandRouter& Router() { return m_router; }
    // The action of a command in the menu bar (or the hidden key-only actions); null if none.
    QAction* Action(int id) const;
    // Runs a command as the menu, toolbar or a key would.
    bool RunCommand(int id);

    // The grid's context menu, built anew with fresh actions for each use.
    QMenu* CreateContextMenu(QWidget* parent);
    // Enable and check state of every action, and the cell position pane.
    void UpdateCommandUi();

    QToolBar* m_wndToolBar = nullptr;
    QStatusBar* m_wndStatusBar = nullptr;
    QLabel* m_cellPane = nullptr;

signals:
    // The window is closing for good: the save prompt was answered either way.
    void closeAccepted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateAppCommands();
    QAction* NewCommandAction(int id, const std::string& text, QObject* owner);
    void FillMenu(QMenu* menu, const std::vector<CMenuEntry>& entries, bool mainMenu);
    void UpdateActions(const QList<QAction*>& actions);
    void UpdateTitle();
    // Whether the rendered preview is open, into the settings the view saves.
    void RecordPanelState();
    void SizeRenderPanel();

    CMyDoc m_doc;
    CMyView m_view;
    CDocCommandTarget m_docTarget;
    CCommandTable m_appCommands;
    CCommandRouter m_router;
    CGridWidget* m_grid = nullptr;
    CRenderPanel* m_renderPanel = nullptr;
    bool m_renderPanelSized = false;
    std::map<int, QAction*> m_actions;
    QTimer* m_idleTimer = nullptr;
    std::unique_ptr<CQtFramePlacement> m_placement;
};
