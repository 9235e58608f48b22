#include "GenerateDlgs.h"

#include "Cp932Text.h"
#include "KeywordInsert.h"
#include "MessageBox.h"
#include "QtMessageBox.h"
#include "RadioGroup.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

CGenerateTargetDlg::CGenerateTargetDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("產生的目標"));
    m_tabular = new QPushButton(tr("tabular環境(&T)"), this);
    m_array = new QPushButton(tr("array環境((&A)"), this);
    m_html = new QPushButton(tr("HTML格式(&H)"), this);
    m_cancel = new QPushButton(tr("取消"), this);
    m_tabular->setToolTip(tr("tabular環境のコードを生成します。"));
    m_array->setToolTip(tr("array環境のコードを生成します。"));
    m_html->setToolTip(tr("HTML形式のコードを生成します。"));
    m_tabular->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    // As wide as the title needs, for the window manager to show it whole.
    const int width =
        std::max(160, TitleWidth(*this) - 2 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin));
    for (QPushButton* b : {m_tabular, m_array, m_html}) {
        b->setMinimumWidth(width);
        layout->addWidget(b);
    }
    layout->addSpacing(8);
    layout->addWidget(m_cancel);
    setSizeGripEnabled(false);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_tabular, &QPushButton::clicked, this, [this] { Choose(TARGET_TABULAR); });
    connect(m_array, &QPushButton::clicked, this, [this] { Choose(TARGET_ARRAY); });
    connect(m_html, &QPushButton::clicked, this, [this] { Choose(TARGET_HTML); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CGenerateTargetDlg::Choose(int target) {
    m_target = target;
    accept();
}

CGenerateProgressDlg::CGenerateProgressDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("進行狀況"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    m_group = new QGroupBox(tr("原始碼產生中..."), this);
    m_progress = new QProgressBar(m_group);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setTextVisible(false);
    m_progress->setMinimumWidth(240);
    auto* inner = new QVBoxLayout(m_group);
    inner->addWidget(m_progress);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CGenerateProgressDlg::ShowNow(QWidget* over) {
    adjustSize();
    if (over) {
        const QPoint centre = over->mapToGlobal(over->rect().center());
        move(centre - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    // The window system must map the window before it can be painted; user input stays
    // queued until the run is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void CGenerateProgressDlg::SetRange(int first, int last) {
    m_progress->setRange(first, std::max(first, last));
}

void CGenerateProgressDlg::SetPos(int pos) {
    // The last row edge lies one past the range; the bar then stays full.
    m_progress->setValue(std::clamp(pos, m_progress->minimum(), m_progress->maximum()));
}

COutputMethodDlg::COutputMethodDlg(COutputMethodData& method, IMessageBox& messages,
                                   QWidget* parent)
    : QDialog(parent), m_data(method), m_messages(messages) {
    setWindowTitle(tr("輸出方法"));
    auto* existing = new QRadioButton(tr("存入舊有檔案"), this);
    auto* fresh = new QRadioButton(tr("存入新檔"), this);
    m_method = new QButtonGroup(this);
    m_method->addButton(existing, 0);
    m_method->addButton(fresh, 1);
    m_keywordGroup = new QGroupBox(tr("關鍵字"), this);
    m_keyword = new QLineEdit(m_keywordGroup);
    m_keyword->setObjectName(QStringLiteral("keyword"));
    m_keyword->setMinimumWidth(220);
    auto* inner = new QVBoxLayout(m_keywordGroup);
    inner->addWidget(m_keyword);

    // A new file's encoding; an existing file keeps its own.
    m_encodingGroup = new QGroupBox(tr("新檔的文字編碼"), this);
    auto* utf8 =
        new QRadioButton(QString::fromUtf8(EncodingName(TextEncoding::Utf8)), m_encodingGroup);
    utf8->setObjectName(QStringLiteral("utf8"));
    auto* cp932 =
        new QRadioButton(QString::fromUtf8(EncodingName(TextEncoding::Cp932)), m_encodingGroup);
    cp932->setObjectName(QStringLiteral("cp932"));
    m_encoding = new QButtonGroup(this);
    m_encoding->addButton(utf8, static_cast<int>(TextEncoding::Utf8));
    m_encoding->addButton(cp932, static_cast<int>(TextEncoding::Cp932));
    auto* encodings = new QVBoxLayout(m_encodingGroup);
    encodings->addWidget(utf8);
    encodings->addWidget(cp932);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &COutputMethodDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COutputMethodDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(existing);
    layout->addWidget(fresh);
    layout->addWidget(m_keywordGroup);
    layout->addWidget(m_encodingGroup);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_method, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        m_keyword->setEnabled(id == 0);
        m_encodingGroup->setEnabled(id == 1);
    });
    if (QAbstractButton* b = m_method->button(method.m_method))
        b->setChecked(true);
    m_keyword->setEnabled(method.m_method == 0);
    m_encodingGroup->setEnabled(method.m_method == 1);
    m_encoding->button(static_cast<int>(method.m_encoding))->setChecked(true);
    TabToCheckedRadio(m_method);
    TabToCheckedRadio(m_encoding);
    m_keyword->setText(Cp932ToQString(method.m_keyword));
}

void COutputMethodDlg::accept() {
    QString bad;
    const std::optional<std::string> keyword = QStringToCp932(m_keyword->text(), &bad);
    const int method = m_method->checkedId();
    if (!keyword && method == 0) {
        m_messages.Show(QString::fromUtf8(kMsgCharNotCp932).arg(bad).toStdString(),
                        MsgIcon::Exclamation);
        m_keyword->setFocus();
        return;
    }
    m_data.m_method = method;
    if (keyword)
        m_data.m_keyword = *keyword;
    m_data.m_encoding = static_cast<TextEncoding>(m_encoding->checkedId());
    QDialog::accept();
}
