#include "HelpDialog.h"

#include "RecoveryStore.h"
#include "Resource.h"
#include "Translation.h"
#include "UiResources.h"
#include "UiText.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <map>
#include <vector>

namespace {

QString Plain(const std::string& menuText) {
    QString t = UiText(menuText);
    t.remove(QStringLiteral("(&") + t.mid(t.indexOf(QStringLiteral("(&")) + 2, 1) + u')');
    t.remove(u'&');
    t.remove(QStringLiteral("..."));
    return t.trimmed().toHtmlEscaped();
}

void AddMenu(QString& html, const std::vector<CMenuEntry>& entries, const QString& path,
             const std::map<int, QString>& keys) {
    for (const CMenuEntry& e : entries) {
        if (e.kind == CMenuEntry::Popup) {
            AddMenu(html, e.children, path + Plain(e.text) + QStringLiteral(" › "), keys);
        } else if (e.kind == CMenuEntry::Command) {
            const auto k = keys.find(e.id);
            html += QStringLiteral("<tr><td>%1%2</td><td>%3</td><td>%4</td></tr>")
                        .arg(path, Plain(e.text), k == keys.end() ? QString() : k->second,
                             UiText(CommandPrompt(e.id).status).toHtmlEscaped());
        }
    }
}

} // namespace

QString CHelpDialog::LanguageHtml() {
    QString now;
    switch (CurrentUiLanguage()) {
    case UiLanguage::English:
        now = tr("English");
        break;
    case UiLanguage::Japanese:
        now = tr("Japanese");
        break;
    case UiLanguage::Source:
        now = tr("the program's own texts (menus in English, dialogs and messages in Chinese "
                 "and Japanese)");
        break;
    }
    const QString why = UiLanguageFromEnvironment()
                            ? tr("chosen by the environment variable BRINDLE_LANG")
                            : tr("chosen by the desktop's language");
    return tr("<h3>Language</h3>"
              "<p>The texts are shown in %1, %2. A Japanese desktop gets Japanese texts, a "
              "Chinese desktop the program's own texts, any other desktop English. To choose "
              "yourself, start the editor with the environment variable <tt>BRINDLE_LANG</tt> "
              "set to <tt>en</tt> (English), <tt>ja</tt> (Japanese) or <tt>source</tt> (the "
              "program's own texts), for example <tt>BRINDLE_LANG=ja visual-brindle</tt>. "
              "Generated LaTeX and HTML, the files and the <tt>brindle</tt> tool are never "
              "translated.</p>")
        .arg(now, why);
}

QString CHelpDialog::PageHtml() {
    std::map<int, QString> keys;
    for (const CAccelerator& a : Accelerators()) {
        QString& k = keys[a.id];
        if (!k.isEmpty())
            k += QStringLiteral(", ");
        k += QKeySequence::fromString(QString::fromStdString(a.key), QKeySequence::PortableText)
                 .toString(QKeySequence::NativeText)
                 .toHtmlEscaped();
    }

    // Keys of the desktop, not in the accelerator table.
    keys[ID_APP_EXIT] = QKeySequence(Qt::CTRL | Qt::Key_Q).toString(QKeySequence::NativeText);

    QString html = QStringLiteral("<h2>Visual Brindle R1.5</h2>");
    html += tr("<p>Lay out a table of up to 250 by 250 cells, type the texts, join cells into "
               "spans and draw single or double ruled lines; then generate the LaTeX "
               "<tt>tabular</tt> or <tt>array</tt> source, or an HTML table, for the selected "
               "cells.</p>");
    html += tr("<h3>Keys in the grid</h3>");
    html += QStringLiteral("<table cellpadding='3'>");
    const std::pair<const char*, const char*> gridKeys[] = {
        {QT_TR_NOOP("Arrow keys, Tab, Enter"), QT_TR_NOOP("move the cursor cell")},
        {QT_TR_NOOP("Page Up, Page Down"), QT_TR_NOOP("move by one window of rows")},
        {QT_TR_NOOP("Home, End"), QT_TR_NOOP("first or last visible column")},
        {QT_TR_NOOP("Shift"), QT_TR_NOOP("range selection: moves extend the selection")},
        {QT_TR_NOOP("Ctrl+A"), QT_TR_NOOP("select the whole table")},
        {QT_TR_NOOP("Ctrl + arrow keys"),
         QT_TR_NOOP("cycle the line on that side of every selected cell: single, double, none "
                    "(none removes every line of the selected cells)")},
        {QT_TR_NOOP("Ctrl+Tab, Ctrl+Enter"), QT_TR_NOOP("the same as Ctrl+Right and Ctrl+Down")},
        {QT_TR_NOOP("F5, typing a character"), QT_TR_NOOP("enter the text of the selected cells")},
        {QT_TR_NOOP("F2"),
         QT_TR_NOOP("edit the text of the cursor cell in place, the caret at its end; Enter or "
                    "Tab keeps the text, Esc leaves the cell as it was")},
        {QT_TR_NOOP("Delete"),
         QT_TR_NOOP("delete the texts and spans of the selection; its ruled lines stay (Clear "
                    "removes them too)")},
        {QT_TR_NOOP("Ctrl+F"), QT_TR_NOOP("to the line palette (opens it when it is closed)")},
        {QT_TR_NOOP("Ctrl+H, Ctrl+J"), QT_TR_NOOP("cell size of the cursor cell")},
        {QT_TR_NOOP("Ctrl+K"), QT_TR_NOOP("cell size of all cells")},
        {QT_TR_NOOP("Ctrl+P, right button"), QT_TR_NOOP("context menu")},
        {QT_TR_NOOP("F7"), QT_TR_NOOP("open or close the rendered preview")},
        {QT_TR_NOOP("Ctrl+Q"), QT_TR_NOOP("quit; asks to save changes first")},
        {QT_TR_NOOP("F1"), QT_TR_NOOP("this page")},
    };
    for (const auto& [key, what] : gridKeys)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(tr(key), tr(what));
    html += QStringLiteral("</table>");
    html += tr("<h3>Line palette</h3>"
               "<p>The line palette (Lines › Line Palette, the toolbar, Ctrl+F) stays open "
               "beside the table. Its picture buttons draw on the selected cells like the Lines "
               "menu; the input method says how: 插入 adds the lines, 覆寫 also removes the "
               "other lines of the selected cells, 消去 removes lines of the button's kind "
               "instead. The method counts from the next click on a picture button (or Enter) "
               "and then also holds for the menu and the Ctrl keys while the palette is "
               "open.</p>");
    html += QStringLiteral("<table cellpadding='3'>");
    const std::pair<const char*, const char*> paletteKeys[] = {
        {QT_TR_NOOP("Enter"), QT_TR_NOOP("the focused picture button's lines")},
        {QT_TR_NOOP("Esc, 結束"),
         QT_TR_NOOP("close the palette; it opens again at the same place")},
        {QT_TR_NOOP("Ctrl+F"), QT_TR_NOOP("back to the table")},
    };
    for (const auto& [key, what] : paletteKeys)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(tr(key), tr(what));
    html += QStringLiteral("</table>");
    html += tr("<h3>Files</h3>"
               "<p>Open reads tables in the <tt>.brd</tt> format, also its older variants "
               "(they are saved in the current one). A file named <tt>.csv</tt> is read as "
               "comma-separated text; any other file without the <tt>.brd</tt> signature is "
               "taken as text, and you choose whether its fields are separated by commas or "
               "tabs. Save of a table read from a text file asks for a file name (Save As) "
               "instead of writing over it. The file dialogs remember their size and "
               "folder.</p>"
               "<p>The command-line tool <tt>brindle</tt> reads files the same way (<tt>brindle "
               "dump</tt>, <tt>convert</tt>, <tt>generate</tt>; <tt>--text-format csv|tab</tt> "
               "gives the choice), and <tt>brindle insert</tt> puts generated text after the "
               "keyword in a file.</p>");
    html += tr("<p>File › Import Table reads the first table of a LaTeX file (<tt>tabular</tt>, "
               "<tt>tabular*</tt>, <tt>tabularx</tt>, <tt>array</tt>, <tt>longtable</tt>) or "
               "of an HTML file (<tt>TABLE</tt>) with its spans, placements and ruled lines, as "
               "a new untitled table; a caption, a label or the math around an array go into "
               "the generation options. A file it cannot read is named with the line and "
               "column of the problem, and the open table stays as it was. <tt>brindle "
               "import</tt> does the same on the command line.</p>");
    html += tr("<h3>Cell sizes and the font</h3>"
               "<p>A press on a column header opens the cell size dialog for that column; a "
               "press on a row header, Ctrl+H or Ctrl+J opens it for the cursor's column, or "
               "for the selected columns while a range is selected; the corner button and "
               "Ctrl+K for all cells. Widths run from 25 to 500 pixels; the row height, one "
               "for all rows, from 15 to 100. The check boxes make the values the standard "
               "sizes that Standardize All Cells sets. Fit Widths to Texts makes each selected "
               "column as wide as its longest text in the selected rows. With Automatic Row "
               "Height the rows follow the font chosen with Font; a height set by hand "
               "switches it off. Width changes can be undone; the row height and the font are "
               "settings, not part of the table.</p>");
    html += tr("<h3>Clipboard</h3>"
               "<p>Cut, Copy and Paste move whole cells inside the editor, with their "
               "placements, spans and ruled lines; Paste puts them at the top-left cell of the "
               "selection, as often as you like. Copy Without Format and Paste Without Format "
               "exchange the texts with other programs: As Text is what a spreadsheet copies "
               "and pastes (cells separated by tabs, one row per line), As CSV the "
               "comma-separated form. A text with a character that a cell cannot hold is "
               "refused.</p>");
    html += tr("<p>Paste Table Source pastes a table copied as LaTeX or HTML source, or copied "
               "from a web page or a spreadsheet (their HTML form is read first), at the "
               "top-left cell of the selection with its spans, placements and ruled lines, like "
               "Paste; Undo takes it back in one step. Source it cannot read is named with the "
               "line and column of the problem, and nothing is pasted.</p>");
    html += tr("<h3>Rendered preview</h3>"
               "<p>View › Rendered preview (F7, or the last toolbar button) opens a panel beside "
               "the grid that shows the table as LaTeX typesets it (<tt>tabular</tt> or "
               "<tt>array</tt>, with the generation options) or as a browser lays out the HTML. "
               "It shows the selection, or the whole used area of the table while a single cell "
               "is selected, and follows every change a moment after it. TeX runs in the "
               "background: you can go on editing while it works. A TeX error is shown with the "
               "line of the generated source it points at. The LaTeX preview needs "
               "<tt>pdflatex</tt> (Debian package <tt>texlive-latex-base</tt>); tables with "
               "Japanese text need <tt>lualatex</tt> with <tt>luatexja</tt> (packages "
               "<tt>texlive-luatex</tt> and <tt>texlive-lang-japanese</tt>).</p>");
    html += tr("<h3>Commands</h3>");
    html += QStringLiteral("<table cellpadding='3'><tr><th align='left'>%1</th>"
                           "<th align='left'>%2</th><th align='left'>%3</th></tr>")
                .arg(tr("Menu"), tr("Keys"), tr("What it does"));
    AddMenu(html, MainMenu(), QString(), keys);
    html += QStringLiteral("</table>");
    html += tr("<h3>Recovery copies</h3>"
               "<p>While a table has unsaved changes, the editor keeps a copy of it a few "
               "seconds after the last change (under continuous editing at least every 30 "
               "seconds) in the folder <tt>%1</tt> (<tt>$XDG_STATE_HOME/visual-brindle/"
               "recovery</tt>, else <tt>~/.local/state/visual-brindle/recovery</tt>). Your own "
               "files are written only when you save. Saving, New, Open and a normal exit "
               "remove the copy.</p>"
               "<p>When the editor ended without that (a crash, a killed process, a power "
               "cut), the next start asks whether to recover the unsaved changes; Recover "
               "opens the table under its own name, so Save writes the real file, and Discard "
               "removes the copy. A copy that cannot be read is reported and renamed to end in "
               "<tt>.unreadable</tt>. <tt>visual-brindle --no-recovery</tt> starts without "
               "asking.</p>")
                .arg(QString::fromStdString(DefaultRecoveryFolder()).toHtmlEscaped());
    html += LanguageHtml();
    return html;
}

CHelpDialog::CHelpDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Visual Brindle R1.5 Help"));
    auto* browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpText"));
    browser->setHtml(PageHtml());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(640, 560);
}
