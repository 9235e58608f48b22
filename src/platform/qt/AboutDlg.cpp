#include "AboutDlg.h"

#include "Icons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

const char* const kMail1 = "brindle-support@example.org";
const char* const kMail2 = "kesta-tables@example.org";
const char* const kNotice = QT_TRANSLATE_NOOP(
    "CAboutDlg",
    "Visual Brindle may be copied and handed on freely, as long as it is passed on unchanged "
    "and without charge. It comes with no warranty of any kind; the authors accept no "
    "liability for any damage or loss arising from its use.");

QLineEdit* AddressBox(const char* text, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromUtf8(text), parent);
    edit->setReadOnly(true);
    edit->setFrame(false);
    edit->setStyleSheet(QStringLiteral("background: transparent"));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(edit->text()) + 12);
    return edit;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Version Information (2000.7)"));

    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* product = new QLabel(QStringLiteral("<b>Visual Brindle</b>"), this);
    auto* release = new QLabel(QStringLiteral("Release1.5"), this);
    auto* description = new QLabel(
        tr("A table editor that writes LaTeX tabular/array and HTML table source."), this);
    auto* mailLabel = new QLabel(QStringLiteral("E-Mail:"), this);
    m_mail1 = AddressBox(kMail1, this);
    m_mail2 = AddressBox(kMail2, this);
    m_mail1->setObjectName(QStringLiteral("mail1"));
    m_mail2->setObjectName(QStringLiteral("mail2"));

    m_notice = new QPlainTextEdit(tr(kNotice), this);
    m_notice->setReadOnly(true);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QGridLayout;
    text->addWidget(product, 0, 0, 1, 2);
    text->addWidget(release, 1, 0, 1, 2);
    text->addWidget(description, 2, 0, 1, 2);
    text->addWidget(mailLabel, 3, 0);
    text->addWidget(m_mail1, 3, 1);
    text->addWidget(m_mail2, 4, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
