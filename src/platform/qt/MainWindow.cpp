#include "MainWindow.h"

#include "AboutDlg.h"
#include "GridWidget.h"
#include "HelpDialog.h"
#include "Icons.h"
#include "LinePaletteDlg.h"
#include "QtClipboard.h"
#include "QtFramePlacement.h"
#include "QtGenerateDialogs.h"
#include "RenderPanel.h"
#include "Resource.h"
#include "SplashWindow.h"
#include "UiText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {

const char* const kCommandProperty = "brindleCommand";

// The first file read or write ends the splash for good.
void OnFileAccess() {
    CSplashWnd::EnableSplash(false);
    if (g_bSplashVisible)
        CSplashWnd::PreTranslateAppMessage(QEvent::KeyPress);
}

// The system clipboard of the cut, copy and paste commands; it keeps no state of its own.
IClipboard& SystemClipboard() {
    static CQtClipboard clipboard;
    return clipboard;
}

} // namespace

CMainFrame::CMainFrame(IMessageBox& messageBox, IFileDialog& fileDialog,
                       IFileTypeQuestion& fileType, QWidget* parent)
    : QMainWindow(parent), m_doc(messageBox, fileDialog, fileType), m_view(m_doc),
      m_docTarget(m_doc) {
    setWindowIcon(AppIcon());
    setAcceptDrops(false);
    // The default placement of the main window: (10, 10) - (640, 400).
    move(10, 10);
    resize(630, 390);

    m_router.AddTarget(&m_view);
    m_router.AddTarget(&m_docTarget);
    m_router.AddTarget(&m_appCommands);
    CreateAppCommands();
    // The generate commands' dialogs; a child object, so it outlives the view's last use.
    m_view.SetGenerateServices((new CQtGenerateDialogs(messageBox, fileDialog, this))->Services());
    m_view.SetClipboard(&SystemClipboard(), &messageBox);
    m_view.SetImportServices(&fileDialog, &messageBox);
    // The border palette: a tool window of this window; its buttons' commands take the
    // menu's way, Ctrl+F in it comes back to the grid.
    auto* palettes = new CQtLinePaletteFactory(
        this,
        [this](int id) {
            QMetaObject::invokeMethod(
                this, [this, id] { RunCommand(id); }, Qt::QueuedConnection);
        },
        [this] {
            activateWindow();
            if (m_grid)
                m_grid->setFocus(Qt::OtherFocusReason);
        });
    m_view.SetLinePaletteServices({palettes, &messageBox});

    m_doc.onTitleChanged = [this] { UpdateTitle(); };
    m_doc.onUpdateAllViews = [this] {
        if (m_grid)
            m_view.OnUpdate();
    };
    m_doc.onFileAccess = OnFileAccess;

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    // Until the grid exists the client area stays blank.
    setCentralWidget(new QWidget(this));

    m_idleTimer = new QTimer(this);
    m_idleTimer->setInterval(150);
    connect(m_idleTimer, &QTimer::timeout, this, &CMainFrame::UpdateCommandUi);
    m_idleTimer->start();
    // Keys: refresh the states just before Qt matches a shortcut against them.
    qApp->installEventFilter(this);

    UpdateTitle();
    CSplashWnd::ShowSplash(this);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    m_doc.onTitleChanged = nullptr;
    m_doc.onUpdateAllViews = nullptr;
    m_doc.onFileAccess = nullptr;
    // The panel reads the view and the grid is the view's host; both go before the view.
    RecordPanelState();
    delete m_renderPanel;
    m_renderPanel = nullptr;
    delete m_grid;
    m_grid = nullptr;
}

void CMainFrame::UseSettings(IProfileStore& store) {
    if (!m_placement)
        m_placement = std::make_unique<CQtFramePlacement>(*this);
    CSettingsServices services;
    services.store = &store;
    services.frame = m_placement.get();
    services.iniFolder = IniFolder();
    services.setAppName = [](const std::string& name) {
        QCoreApplication::setApplicationName(QString::fromStdString(name));
    };
    m_view.SetSettingsServices(services);
}

bool CMainFrame::Start(const std::string& path) {
    if (path.empty()) {
        m_doc.OnNewDocument();
    } else if (!m_doc.OnOpenDocument(path)) {
        return false;
    }
    m_grid = new CGridWidget(m_view, this);
    m_grid->setAcceptDrops(false);
    m_grid->SetCommandRouter([this](int id) { RunCommand(id); });
    m_grid->SetContextMenuHandler([this](const QPoint& globalPos) {
        QMenu* menu = CreateContextMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(globalPos);
    });
    setCentralWidget(m_grid);
    // The rendered preview, open again when it was open as the program ended.
    m_renderPanel = new CRenderPanel(m_view, this);
    addDockWidget(Qt::RightDockWidgetArea, m_renderPanel);
    m_renderPanel->setVisible(m_view.PreviewPanelOpenSetting());
    if (!m_renderPanel->isHidden())
        SizeRenderPanel();
    m_grid->setFocus();
    UpdateTitle();
    UpdateCommandUi();
    return true;
}

QAction* CMainFrame::Action(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

bool CMainFrame::RunCommand(int id) {
    const bool handled = m_router.Execute(id);
    UpdateCommandUi();
    return handled;
}

void CMainFrame::CreateAppCommands() {
    m_appCommands.Add(ID_APP_EXIT, [this] { close(); });
    m_appCommands.Add(
        ID_VIEW_TOOLBAR, [this] { m_wndToolBar->setVisible(m_wndToolBar->isHidden()); },
        [this](CCmdUI& ui) { ui.checked = !m_wndToolBar->isHidden(); });
    m_appCommands.Add(
        ID_VIEW_STATUS_BAR, [this] { m_wndStatusBar->setVisible(m_wndStatusBar->isHidden()); },
        [this](CCmdUI& ui) { ui.checked = !m_wndStatusBar->isHidden(); });
    m_appCommands.Add(
        ID_VIEW_RENDER_PREVIEW,
        [this] {
            if (!m_renderPanel)
                return;
            const bool open = m_renderPanel->isHidden();
            m_renderPanel->setVisible(open);
            if (open) {
                m_renderPanel->raise();
                SizeRenderPanel();
            }
            // The grid keeps the keyboard either way.
            if (m_grid)
                m_grid->setFocus(Qt::OtherFocusReason);
        },
        [this](CCmdUI& ui) {
            ui.enabled = m_renderPanel != nullptr;
            ui.checked = m_renderPanel && !m_renderPanel->isHidden();
        });
    m_appCommands.Add(ID_APP_ABOUT, [this] {
        CAboutDlg dialog(this);
        dialog.exec();
    });
    m_appCommands.Add(ID_HELP_INDEX, [this] {
        CHelpDialog dialog(this);
        dialog.exec();
    });
}

QAction* CMainFrame::NewCommandAction(int id, const std::string& text, QObject* owner) {
    auto* action = new QAction(UiText(text), owner);
    action->setProperty(kCommandProperty, id);
    const CCommandPrompt prompt = CommandPrompt(id);
    if (!prompt.status.empty())
        action->setStatusTip(UiText(prompt.status));
    if (!prompt.tooltip.empty())
        action->setToolTip(UiText(prompt.tooltip));
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    return action;
}

void CMainFrame::FillMenu(QMenu* menu, const std::vector<CMenuEntry>& entries, bool mainMenu) {
    for (const CMenuEntry& e : entries) {
        switch (e.kind) {
        case CMenuEntry::Separator:
            menu->addSeparator();
            break;
        case CMenuEntry::Popup: {
            QMenu* sub = menu->addMenu(UiText(e.text));
            FillMenu(sub, e.children, mainMenu);
            break;
        }
        case CMenuEntry::Command: {
            QAction* action = NewCommandAction(e.id, e.text, menu);
            if (mainMenu)
                m_actions[e.id] = action;
            menu->addAction(action);
            break;
        }
        }
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateActions(menu->actions()); });
}

void CMainFrame::CreateMenus() {
    for (const CMenuEntry& top : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(UiText(top.text));
        FillMenu(menu, top.children, true);
    }
    // Accelerators: on the menu actions, and on hidden actions for key-only commands.
    std::map<int, QList<QKeySequence>> keys;
    for (const CAccelerator& a : Accelerators())
        keys[a.id] << QKeySequence::fromString(QString::fromStdString(a.key),
                                               QKeySequence::PortableText);
    for (const auto& [id, sequences] : keys) {
        QAction* action = Action(id);
        if (!action) {
            action = NewCommandAction(id, {}, this);
            addAction(action);
            m_actions[id] = action;
        }
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    // The desktop's quit key: the close box's way, with its save question.
    if (QAction* exit = Action(ID_APP_EXIT)) {
        exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
        exit->setShortcutContext(Qt::WindowShortcut);
    }
}

void CMainFrame::CreateToolBar() {
    m_wndToolBar = new QToolBar(tr("Toolbar"), this);
    m_wndToolBar->setObjectName(QStringLiteral("toolbar"));
    m_wndToolBar->setMovable(true);
    m_wndToolBar->setIconSize(QSize(16, 16));
    for (int id : ToolbarButtons()) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction* action = Action(id);
        if (!action)
            continue;
        action->setIcon(CommandIcon(id));
        action->setIconVisibleInMenu(false);
        m_wndToolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

void CMainFrame::CreateStatusBar() {
    m_wndStatusBar = statusBar();
    m_wndStatusBar->setObjectName(QStringLiteral("statusbar"));
    auto* message = new QLabel(UiText(std::string(kIdleMessage)), m_wndStatusBar);
    m_wndStatusBar->addWidget(message, 1);
    // The cell position pane, as wide as its widest text. The platform reports no lock-key
    // state portably, so there are no lock indicators.
    m_cellPane = new QLabel(QStringLiteral("( 1, 1)"), m_wndStatusBar);
    m_cellPane->setObjectName(QStringLiteral("cellPane"));
    m_cellPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_cellPane->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_cellPane->setFixedWidth(
        m_cellPane->fontMetrics().horizontalAdvance(QString::fromUtf8(kCellIndicatorTemplate)) +
        2 * m_cellPane->frameWidth() + 8);
    m_wndStatusBar->addPermanentWidget(m_cellPane);
}

QMenu* CMainFrame::CreateContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    FillMenu(menu, ContextMenu(), false);
    UpdateActions(menu->actions());
    return menu;
}

void CMainFrame::UpdateActions(const QList<QAction*>& actions) {
    for (QAction* action : actions) {
        const QVariant id = action->property(kCommandProperty);
        if (!id.isValid())
            continue;
        CCmdUI ui;
        m_router.Update(id.toInt(), ui);
        if (action->isEnabled() != ui.enabled)
            action->setEnabled(ui.enabled);
        if (ui.checked && !action->isCheckable())
            action->setCheckable(true);
        if (action->isCheckable() && action->isChecked() != ui.checked)
            action->setChecked(ui.checked);
    }
}

void CMainFrame::UpdateCommandUi() {
    QList<QAction*> actions;
    for (const auto& [id, action] : m_actions)
        actions << action;
    UpdateActions(actions);
    if (m_grid && m_view.IsInitialized()) {
        const QString text = QString::fromStdString(m_view.CellIndicatorText());
        if (m_cellPane->text() != text)
            m_cellPane->setText(text);
    }
}

void CMainFrame::UpdateTitle() {
    // [*]: Qt shows the modified mark there.
    const QString title =
        UiText(m_doc.GetTitle()) + QStringLiteral("[*] - ") + QString::fromUtf8(kAppName);
    if (windowTitle() != title)
        setWindowTitle(title);
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::SizeRenderPanel() {
    // The first time it opens, the panel takes two fifths of the window.
    if (m_renderPanelSized)
        return;
    m_renderPanelSized = true;
    resizeDocks({m_renderPanel}, {std::max(300, width() * 2 / 5)}, Qt::Horizontal);
}

void CMainFrame::RecordPanelState() {
    if (m_renderPanel)
        m_view.SetPreviewPanelOpenSetting(!m_renderPanel->isHidden());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_doc.SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
    // The window goes for good, the palette with it (its place remembered); a palette left
    // open would refuse the close of every window that quitting the program asks for.
    RecordPanelState();
    m_view.OnDestroy();
    emit closeAccepted();
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The splash was created before the window had its place on the screen.
    if (g_pSplashWnd && g_pSplashWnd->parentWidget() == this)
        g_pSplashWnd->CenterOverOwner();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride)
        UpdateCommandUi();
    return QMainWindow::eventFilter(watched, event);
}
