#include "HelpDialog.h"

#include "RecoveryStore.h"
#include "Resource.h"
#include "UiResources.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <map>
#include <vector>

namespace {

QString Plain(const std::string& menuText) {
    QString t = QString::fromStdString(menuText);
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
                             QString::fromStdString(CommandPrompt(e.id).status).toHtmlEscaped());
        }
    }
}

} // namespace

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

    QString html = QStringLiteral(
        "<h2>Visual Brindle R1.5</h2>"
        "<p>Lay out a table of up to 250 by 250 cells, type the texts, join cells into spans "
        "and draw single or double ruled lines; then generate the LaTeX <tt>tabular</tt> or "
        "<tt>array</tt> source, or an HTML table, for the selected cells.</p>"
        "<h3>Keys in the grid</h3><table cellpadding='3'>"
        "<tr><td>Arrow keys, Tab, Enter</td><td>move the cursor cell</td></tr>"
        "<tr><td>Page Up, Page Down</td><td>move by one window of rows</td></tr>"
        "<tr><td>Home, End</td><td>first or last visible column</td></tr>"
        "<tr><td>Shift</td><td>range selection: moves extend the selection</td></tr>"
        "<tr><td>Ctrl + arrow keys</td><td>cycle the line on that side of every selected cell: "
        "single, double, none (none removes every line of the selected cells)</td></tr>"
        "<tr><td>Ctrl+Tab, Ctrl+Enter</td><td>the same as Ctrl+Right and Ctrl+Down</td></tr>"
        "<tr><td>F5, typing a character</td><td>enter the text of the selected cells</td></tr>"
        "<tr><td>Delete</td><td>delete the texts and spans of the selection; its ruled lines "
        "stay (Clear removes them too)</td></tr>"
        "<tr><td>Ctrl+F</td><td>to the line palette (opens it when it is closed)</td></tr>"
        "<tr><td>Ctrl+H, Ctrl+J</td><td>cell size of the cursor cell</td></tr>"
        "<tr><td>Ctrl+K</td><td>cell size of all cells</td></tr>"
        "<tr><td>Ctrl+P, right button</td><td>context menu</td></tr>"
        "<tr><td>F1</td><td>this page</td></tr>"
        "</table>"
        "<h3>Line palette</h3>"
        "<p>The line palette (Lines › Line Palette, the toolbar, Ctrl+F) stays open beside the "
        "table. Its picture buttons draw on the selected cells like the Lines menu; the input "
        "method says how: 插入 adds the lines, 覆寫 also removes the other lines of the "
        "selected cells, 消去 removes lines of the button's kind instead. The method counts "
        "from the next click on a picture button (or Enter) and then also holds for the menu "
        "and the Ctrl keys while the palette is open.</p>"
        "<table cellpadding='3'>"
        "<tr><td>Enter</td><td>the focused picture button's lines</td></tr>"
        "<tr><td>Esc, 結束</td><td>close the palette; it opens again at the same place</td></tr>"
        "<tr><td>Ctrl+F</td><td>back to the table</td></tr>"
        "</table>"
        "<h3>Files</h3>"
        "<p>Open reads tables in the <tt>.brd</tt> format, also its older variants (they are "
        "saved in the current one). A file named <tt>.csv</tt> is read as comma-separated text; "
        "any other file without the <tt>.brd</tt> signature is taken as text, and you choose "
        "whether its fields are separated by commas or tabs. Save of a table read from a text "
        "file asks for a file name (Save As) instead of writing over it.</p>"
        "<p>The command-line tool <tt>brindle</tt> reads files the same way (<tt>brindle "
        "dump</tt>, <tt>convert</tt>, <tt>generate</tt>; <tt>--text-format csv|tab</tt> gives "
        "the choice), and <tt>brindle insert</tt> puts generated text after the keyword in a "
        "file.</p>");
    html += tr("<p>File › Import Table reads the first table of a LaTeX file (<tt>tabular</tt>, "
               "<tt>tabular*</tt>, <tt>tabularx</tt>, <tt>array</tt>, <tt>longtable</tt>) or "
               "of an HTML file (<tt>TABLE</tt>) with its spans, placements and ruled lines, as "
               "a new untitled table; a caption, a label or the math around an array go into "
               "the generation options. A file it cannot read is named with the line and "
               "column of the problem, and the open table stays as it was. <tt>brindle "
               "import</tt> does the same on the command line.</p>");
    html += QStringLiteral(
        "<h3>Cell sizes and the font</h3>"
        "<p>A press on a column header opens the cell size dialog for that column; a press on "
        "a row header, Ctrl+H or Ctrl+J opens it for the cursor's column, or for the selected "
        "columns while a range is selected; the corner button and Ctrl+K for all cells. Widths "
        "run from 25 to 500 pixels; the row height, one for all rows, from 15 to 100. The "
        "check boxes make the values the standard sizes that Standardize All Cells sets. Fit "
        "Widths to Texts makes each selected column as wide as its longest text in the selected "
        "rows. With Automatic Row Height the rows follow the font chosen with Font; a height "
        "set by hand switches it off. Width changes can be undone; the row height and the font "
        "are settings, not part of the table.</p>"
        "<h3>Clipboard</h3>"
        "<p>Cut, Copy and Paste move whole cells inside the editor, with their placements, "
        "spans and ruled lines; Paste puts them at the top-left cell of the selection, as "
        "often as you like. Copy Without Format and Paste Without Format exchange the texts "
        "with other programs: As Text is what a spreadsheet copies and pastes (cells "
        "separated by tabs, one row per line), As CSV the comma-separated form. A text with a "
        "character that a cell cannot hold is refused.</p>");
    html += tr("<p>Paste Table Source pastes a table copied as LaTeX or HTML source, or copied "
               "from a web page or a spreadsheet (their HTML form is read first), at the "
               "top-left cell of the selection with its spans, placements and ruled lines, like "
               "Paste; Undo takes it back in one step. Source it cannot read is named with the "
               "line and column of the problem, and nothing is pasted.</p>");
    html += QStringLiteral("<h3>Commands</h3><table cellpadding='3'>"
                           "<tr><th align='left'>Menu</th><th align='left'>Keys</th>"
                           "<th align='left'>What it does</th></tr>");
    AddMenu(html, MainMenu(), QString(), keys);
    html += QStringLiteral("</table>");
    html += QStringLiteral(
                "<h3>Recovery copies</h3>"
                "<p>While a table has unsaved changes, the editor keeps a copy of it a few "
                "seconds after the last change (under continuous editing at least every 30 "
                "seconds) in the folder <tt>%1</tt> (<tt>$XDG_STATE_HOME/visual-brindle/"
                "recovery</tt>, else <tt>~/.local/state/visual-brindle/recovery</tt>). Your own "
                "files are written only when you save. Saving, New, Open and a normal exit "
                "remove the copy.</p>"
                "<p>When the editor ended without that (a crash, a killed process, a power cut), "
                "the next start asks whether to recover the unsaved changes; Recover opens "
                "the table under its own name, so Save writes the real file, and Discard "
                "removes the copy. A copy that cannot be read is reported and renamed to end "
                "in <tt>.unreadable</tt>. <tt>visual-brindle --no-recovery</tt> starts "
                "without asking.</p>")
                .arg(QString::fromStdString(DefaultRecoveryFolder()).toHtmlEscaped());
    return html;
}

CHelpDialog::CHelpDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Visual Brindle R1.5 Help"));
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
