#pragma once

#include "ModelTypes.h"
#include "Options.h"
#include "Render.h"
#include "RenderScheduler.h"

#include <QDockWidget>
#include <QImage>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <thread>

class CMyView;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QScrollArea;
class QStackedWidget;
class QTextBrowser;
class QTimer;

// The rendered preview: a dock panel beside the grid that shows the selection (or the used
// area of the table) typeset by LaTeX or laid out as HTML, and follows every edit. A change
// waits a short pause for the next one; a LaTeX render runs on a thread of its own, so the
// grid never waits for TeX, and a newer render abandons the running one. While a render runs
// the old picture stays with a busy mark; an error shows instead of the picture.
class CRenderPanel : public QDockWidget {
    Q_OBJECT
public:
    using RenderFunction = std::function<CRenderResult(const CRenderSource&, const CRenderSettings&,
                                                       const CRenderCancel*)>;

    explicit CRenderPanel(CMyView& view, QWidget* parent = nullptr);
    ~CRenderPanel() override;

    // TARGET_TABULAR, TARGET_ARRAY or TARGET_HTML.
    int Target() const;
    void SetTarget(int target);

    // For tests: what compiles a LaTeX source (Render by default), and the pause after a
    // change of the LaTeX picture (the HTML layout follows at once).
    void SetRenderFunction(RenderFunction render) { m_render = std::move(render); }
    void SetPause(std::chrono::milliseconds pause);

    // Renders started since the panel was made (HTML layouts included).
    std::uint64_t RendersStarted() const { return m_scheduler.Started(); }
    // A LaTeX render runs or a change waits for its pause.
    bool IsBusy() const;
    // What the panel shows now.
    enum class Shown { Nothing, Picture, Html, Message };
    Shown Showing() const { return m_showing; }
    const QImage& Picture() const { return m_picture; }
    QString MessageText() const;
    QTextBrowser* HtmlView() const { return m_html; }

    // Checks what the picture shows against what was last rendered and starts a render when
    // one is due; a timer calls it while the panel is open.
    void Poll();

    // The generated HTML as a QTextBrowser shows it as a browser would: a row's ALIGN and
    // VALIGN on each of its cells without their own, cells centred vertically by default,
    // BORDER without a value as BORDER="1".
    static QString HtmlForTextBrowser(const QString& html);

    // The largest region the HTML layout takes (it runs on the user interface thread).
    static constexpr int kHtmlCellLimit = 2500;

signals:
    // A render ended and its result is on show (a picture, a laid-out page or a message).
    void resultShown();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // What the picture depends on.
    struct CKey {
        std::uint64_t edits = 0;
        std::uint64_t cleans = 0;
        // The normalised selection; all zero for a single cell (the used area is shown).
        CCellRect selection{0, 0, 0, 0};
        COptionsRecord options;
        int target = 0;
        bool operator==(const CKey&) const = default;
    };
    struct CJob {
        std::thread thread;
        std::shared_ptr<CRenderCancel> cancel;
    };

    CKey CurrentKey() const;
    void Start(std::uint64_t job);
    void StartHtml(std::uint64_t job, const CCellRect& region);
    void StartLatex(std::uint64_t job, const CCellRect& region);
    void OnFinished(std::uint64_t job, const std::shared_ptr<CRenderResult>& result);
    void Abandon(std::uint64_t job);
    void AbandonAll();
    void JoinJob(std::uint64_t job);
    void ShowPicture(const CPicture& picture);
    void ShowMessage(const QString& text);
    void UpdateBusyMark();

    CMyView& m_view;
    RenderFunction m_render;
    CRenderSettings m_settings;
    CRenderScheduler m_scheduler{std::chrono::milliseconds(200)};
    std::optional<CKey> m_lastKey;
    std::map<std::uint64_t, CJob> m_jobs;
    Shown m_showing = Shown::Nothing;
    QImage m_picture;

    QComboBox* m_target = nullptr;
    QLabel* m_busy = nullptr;
    QStackedWidget* m_pages = nullptr;
    QScrollArea* m_pictureArea = nullptr;
    QLabel* m_pictureLabel = nullptr;
    QTextBrowser* m_html = nullptr;
    QPlainTextEdit* m_message = nullptr;
    QTimer* m_pollTimer = nullptr;
};
