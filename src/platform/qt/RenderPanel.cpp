#include "RenderPanel.h"

#include "CellArray.h"
#include "Cp932Text.h"
#include "Generator.h"
#include "MyDoc.h"
#include "MyView.h"
#include "UiText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace {

enum Page { kPicturePage, kHtmlPage, kMessagePage };

int CellCount(const CCellRect& r) {
    const CCellRect n = r.Normalized();
    return (n.right - n.left + 1) * (n.bottom - n.top + 1);
}

} // namespace

QString CRenderPanel::HtmlForTextBrowser(const QString& html) {
    // Qt's rich text reads ALIGN and VALIGN on cells only, and BORDER with a value only: a
    // row's placement goes to each of its cells that has none of its own, as in a browser.
    static const QRegularExpression tag(QStringLiteral("<(/?)(TABLE|TR|TD|TH)\\b([^>]*)>"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression valign(QStringLiteral("\\bVALIGN\\s*=\\s*\"?(\\w+)\"?"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression bareBorder(QStringLiteral("\\bBORDER\\b(?!\\s*=)"),
                                               QRegularExpression::CaseInsensitiveOption);
    // \b keeps VALIGN out.
    const auto ownAlign = [](const QString& attrs) {
        static const QRegularExpression re(QStringLiteral("\\bALIGN\\s*=\\s*\"?(\\w+)\"?"),
                                           QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = re.match(attrs);
        return m.hasMatch() ? m.captured(1) : QString();
    };
    QString out;
    out.reserve(html.size() + html.size() / 4);
    QString rowAlign, rowValign;
    qsizetype at = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(html).mid(at, m.capturedStart() - at);
        at = m.capturedEnd();
        const bool closing = !m.captured(1).isEmpty();
        const QString name = m.captured(2).toUpper();
        QString attrs = m.captured(3);
        if (name == QLatin1String("TABLE") && !closing) {
            attrs.replace(bareBorder, QStringLiteral("BORDER=\"1\""));
        } else if (name == QLatin1String("TR")) {
            rowAlign = closing ? QString() : ownAlign(attrs);
            const QRegularExpressionMatch v = valign.match(attrs);
            rowValign = closing || !v.hasMatch() ? QString() : v.captured(1);
        } else if (!closing) {
            if (!rowAlign.isEmpty() && ownAlign(attrs).isEmpty())
                attrs += QStringLiteral(" ALIGN=\"%1\"").arg(rowAlign);
            // A browser centres a cell vertically unless told otherwise; Qt puts it at the top.
            if (!valign.match(attrs).hasMatch())
                attrs += QStringLiteral(" VALIGN=\"%1\"")
                             .arg(rowValign.isEmpty() ? QStringLiteral("middle") : rowValign);
        }
        out += QLatin1Char('<') + m.captured(1) + m.captured(2) + attrs + QLatin1Char('>');
    }
    out += QStringView(html).mid(at);
    return out;
}

CRenderPanel::CRenderPanel(CMyView& view, QWidget* parent)
    : QDockWidget(tr("Rendered preview"), parent), m_view(view), m_render(&Render) {
    setObjectName(QStringLiteral("renderPanel"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    // The grid keeps the keyboard; the panel takes the focus only when clicked.
    setFocusPolicy(Qt::NoFocus);

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* top = new QHBoxLayout;
    auto* targetLabel = new QLabel(tr("&Target:"), body);
    m_target = new QComboBox(body);
    m_target->setObjectName(QStringLiteral("renderTarget"));
    m_target->addItem(QStringLiteral("tabular"), TARGET_TABULAR);
    m_target->addItem(QStringLiteral("array"), TARGET_ARRAY);
    m_target->addItem(QStringLiteral("HTML"), TARGET_HTML);
    m_target->setFocusPolicy(Qt::ClickFocus);
    targetLabel->setBuddy(m_target);
    m_busy = new QLabel(tr("Rendering..."), body);
    m_busy->setObjectName(QStringLiteral("renderBusy"));
    m_busy->setStyleSheet(QStringLiteral("color: #2662b2;"));
    m_busy->setVisible(false);
    top->addWidget(targetLabel);
    top->addWidget(m_target);
    top->addStretch(1);
    top->addWidget(m_busy);
    layout->addLayout(top);

    m_pages = new QStackedWidget(body);
    m_pictureArea = new QScrollArea(m_pages);
    m_pictureArea->setFocusPolicy(Qt::NoFocus);
    m_pictureArea->setBackgroundRole(QPalette::Base);
    m_pictureArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pictureLabel = new QLabel(m_pictureArea);
    m_pictureLabel->setObjectName(QStringLiteral("renderPicture"));
    m_pictureLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pictureArea->setWidget(m_pictureLabel);
    m_pictureArea->setWidgetResizable(true);
    m_html = new QTextBrowser(m_pages);
    m_html->setObjectName(QStringLiteral("renderHtml"));
    m_html->setFocusPolicy(Qt::ClickFocus);
    m_html->setOpenLinks(false);
    m_message = new QPlainTextEdit(m_pages);
    m_message->setObjectName(QStringLiteral("renderMessage"));
    m_message->setReadOnly(true);
    m_message->setFocusPolicy(Qt::ClickFocus);
    m_message->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_pages->insertWidget(kPicturePage, m_pictureArea);
    m_pages->insertWidget(kHtmlPage, m_html);
    m_pages->insertWidget(kMessagePage, m_message);
    layout->addWidget(m_pages, 1);
    setWidget(body);

    // A preview that takes longer than this is not worth the wait.
    m_settings.timeLimit = std::chrono::seconds(30);

    m_pollTimer = new QTimer(this);
    m_pollTimer->setInterval(40);
    connect(m_pollTimer, &QTimer::timeout, this, &CRenderPanel::Poll);
    connect(m_target, &QComboBox::currentIndexChanged, this, [this] { Poll(); });
}

CRenderPanel::~CRenderPanel() {
    // No thread may outlive the panel that receives its result.
    for (auto& [job, j] : m_jobs)
        j.cancel->Cancel();
    for (auto& [job, j] : m_jobs)
        if (j.thread.joinable())
            j.thread.join();
}

int CRenderPanel::Target() const {
    return m_target->currentData().toInt();
}

void CRenderPanel::SetTarget(int target) {
    const int index = m_target->findData(target);
    if (index >= 0)
        m_target->setCurrentIndex(index);
}

void CRenderPanel::SetPause(std::chrono::milliseconds pause) {
    m_scheduler.SetPause(pause);
}

bool CRenderPanel::IsBusy() const {
    return m_scheduler.Running() != 0 || m_scheduler.Due().has_value();
}

QString CRenderPanel::MessageText() const {
    return m_showing == Shown::Message ? m_message->toPlainText() : QString();
}

CRenderPanel::CKey CRenderPanel::CurrentKey() const {
    CKey key;
    const CMyDoc& doc = m_view.GetDocument();
    key.edits = doc.EditCount();
    key.cleans = doc.CleanCount();
    const CCellRect s = m_view.Selection().Normalized();
    if (s.left != s.right || s.top != s.bottom)
        key.selection = s;
    key.options = m_view.Generation().Options();
    key.target = Target();
    return key;
}

void CRenderPanel::Poll() {
    if (!isVisible() || !m_view.IsInitialized())
        return;
    const auto now = CRenderScheduler::Clock::now();
    const CKey key = CurrentKey();
    if (!m_lastKey || !(*m_lastKey == key)) {
        // The first look renders at once, and so does the HTML layout, which takes no time
        // worth saving; a change of the LaTeX picture waits for the pause.
        if (m_lastKey && key.target != TARGET_HTML)
            m_scheduler.Changed(now);
        else
            m_scheduler.Changed(now - m_scheduler.Pause());
        m_lastKey = key;
    }
    const CRenderScheduler::CStart start = m_scheduler.Poll(now);
    if (start.abandon)
        Abandon(start.abandon);
    if (start.job)
        Start(start.job);
    UpdateBusyMark();
}

void CRenderPanel::Start(std::uint64_t job) {
    const CCellRect region = m_view.PreviewRegion();
    if (Target() == TARGET_HTML)
        StartHtml(job, region);
    else
        StartLatex(job, region);
}

void CRenderPanel::StartHtml(std::uint64_t job, const CCellRect& region) {
    m_scheduler.Finished(job);
    if (CellCount(region) > kHtmlCellLimit) {
        ShowMessage(tr("The HTML preview lays out at most %1 cells; this region has %2. "
                       "Select a smaller part of the table.")
                        .arg(kHtmlCellLimit)
                        .arg(CellCount(region)));
        emit resultShown();
        return;
    }
    std::string source;
    GenerateSource(TARGET_HTML, m_view.WriterModel(), region, m_view.Generation().Options(),
                   source);
    bool ok = true;
    const QString html = Cp932ToQString(source, &ok);
    if (!ok) {
        ShowMessage(UiText("the table holds bytes that are not code page 932 text"));
    } else {
        m_html->setHtml(HtmlForTextBrowser(html));
        m_pages->setCurrentIndex(kHtmlPage);
        m_showing = Shown::Html;
    }
    emit resultShown();
}

void CRenderPanel::StartLatex(std::uint64_t job, const CCellRect& region) {
    std::string error;
    std::optional<CRenderSource> source = MakeRenderSource(Target(), m_view.WriterModel(), region,
                                                           m_view.Generation().Options(), error);
    if (!source) {
        m_scheduler.Finished(job);
        ShowMessage(UiText(error));
        emit resultShown();
        return;
    }
    CJob& j = m_jobs[job];
    j.cancel = std::make_shared<CRenderCancel>();
    j.thread = std::thread([this, job, src = std::move(*source), settings = m_settings,
                            render = m_render, cancel = j.cancel] {
        auto result = std::make_shared<CRenderResult>(render(src, settings, cancel.get()));
        // The panel joins this thread before it goes, so it is there to receive the result.
        QMetaObject::invokeMethod(
            this, [this, job, result] { OnFinished(job, result); }, Qt::QueuedConnection);
    });
}

void CRenderPanel::OnFinished(std::uint64_t job, const std::shared_ptr<CRenderResult>& result) {
    JoinJob(job);
    if (!m_scheduler.Finished(job)) {
        UpdateBusyMark();
        return;
    }
    const CRenderResult& r = *result;
    if (r.status == RenderStatus::Ok) {
        ShowPicture(r.picture);
    } else {
        QStringList lines;
        lines << UiText(r.message);
        if (!r.texLines.empty()) {
            lines << QString();
            for (const std::string& line : r.texLines)
                lines << QString::fromStdString(line);
        }
        if (r.sourceLine > 0) {
            lines << QString();
            lines << tr("Source line %1: %2")
                         .arg(r.sourceLine)
                         .arg(QString::fromStdString(r.sourceText));
        }
        ShowMessage(lines.join(QLatin1Char('\n')));
    }
    UpdateBusyMark();
    emit resultShown();
}

void CRenderPanel::Abandon(std::uint64_t job) {
    const auto it = m_jobs.find(job);
    if (it != m_jobs.end())
        it->second.cancel->Cancel();
}

void CRenderPanel::AbandonAll() {
    for (auto& [job, j] : m_jobs)
        j.cancel->Cancel();
    // Results still on their way are dropped; the next look renders afresh.
    m_scheduler.Drop();
    m_lastKey.reset();
}

void CRenderPanel::JoinJob(std::uint64_t job) {
    const auto it = m_jobs.find(job);
    if (it == m_jobs.end())
        return;
    if (it->second.thread.joinable())
        it->second.thread.join();
    m_jobs.erase(it);
}

void CRenderPanel::ShowPicture(const CPicture& picture) {
    m_picture = QImage(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                       QImage::Format_RGB888)
                    .copy();
    m_pictureLabel->setPixmap(QPixmap::fromImage(m_picture));
    m_pages->setCurrentIndex(kPicturePage);
    m_showing = Shown::Picture;
}

void CRenderPanel::ShowMessage(const QString& text) {
    m_message->setPlainText(text);
    m_pages->setCurrentIndex(kMessagePage);
    m_showing = Shown::Message;
}

void CRenderPanel::UpdateBusyMark() {
    const bool busy = m_scheduler.Running() != 0;
    if (m_busy->isVisible() != busy)
        m_busy->setVisible(busy);
}

void CRenderPanel::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    m_pollTimer->start();
    Poll();
}

void CRenderPanel::hideEvent(QHideEvent* event) {
    QDockWidget::hideEvent(event);
    m_pollTimer->stop();
    AbandonAll();
    UpdateBusyMark();
}
