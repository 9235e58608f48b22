#include "UiText.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

namespace {

// Source texts of the std-only code. A %1 ... %9 stands for an inserted part.
const char* const kSources[] = {
    // Menus.
    QT_TRANSLATE_NOOP("Brindle", "Copy &Without Format"),
    QT_TRANSLATE_NOOP("Brindle", "As &CSV"),
    QT_TRANSLATE_NOOP("Brindle", "As &Text"),
    QT_TRANSLATE_NOOP("Brindle", "Paste Without &Format"),
    QT_TRANSLATE_NOOP("Brindle", "Te&xt Processing"),
    QT_TRANSLATE_NOOP("Brindle", "To &Math"),
    QT_TRANSLATE_NOOP("Brindle", "To &Plain"),
    QT_TRANSLATE_NOOP("Brindle", "&File"),
    QT_TRANSLATE_NOOP("Brindle", "&New"),
    QT_TRANSLATE_NOOP("Brindle", "&Open..."),
    QT_TRANSLATE_NOOP("Brindle", "&Save"),
    QT_TRANSLATE_NOOP("Brindle", "Save &As..."),
    QT_TRANSLATE_NOOP("Brindle", "E&xit"),
    QT_TRANSLATE_NOOP("Brindle", "&Edit"),
    QT_TRANSLATE_NOOP("Brindle", "&Undo"),
    QT_TRANSLATE_NOOP("Brindle", "Cu&t"),
    QT_TRANSLATE_NOOP("Brindle", "&Copy"),
    QT_TRANSLATE_NOOP("Brindle", "&Paste"),
    QT_TRANSLATE_NOOP("Brindle", "C&lear"),
    QT_TRANSLATE_NOOP("Brindle", "&View"),
    QT_TRANSLATE_NOOP("Brindle", "&Toolbar"),
    QT_TRANSLATE_NOOP("Brindle", "&Status Bar"),
    QT_TRANSLATE_NOOP("Brindle", "&Grid"),
    QT_TRANSLATE_NOOP("Brindle", "&Text"),
    QT_TRANSLATE_NOOP("Brindle", "Text &Input (F5)..."),
    QT_TRANSLATE_NOOP("Brindle", "Text &Position"),
    QT_TRANSLATE_NOOP("Brindle", "&Left"),
    QT_TRANSLATE_NOOP("Brindle", "&Center"),
    QT_TRANSLATE_NOOP("Brindle", "&Right"),
    QT_TRANSLATE_NOOP("Brindle", "Li&nes"),
    QT_TRANSLATE_NOOP("Brindle", "&Single"),
    QT_TRANSLATE_NOOP("Brindle", "&Around"),
    QT_TRANSLATE_NOOP("Brindle", "&Top"),
    QT_TRANSLATE_NOOP("Brindle", "&Bottom"),
    QT_TRANSLATE_NOOP("Brindle", "&Double"),
    QT_TRANSLATE_NOOP("Brindle", "Te&mplate"),
    QT_TRANSLATE_NOOP("Brindle", "&Clear"),
    QT_TRANSLATE_NOOP("Brindle", "Line &Palette"),
    QT_TRANSLATE_NOOP("Brindle", "LaTeX(&L)"),
    QT_TRANSLATE_NOOP("Brindle", "產生原始碼(&G)"),
    QT_TRANSLATE_NOOP("Brindle", "產生原始碼之選項(&O)"),
    QT_TRANSLATE_NOOP("Brindle", "&Options"),
    QT_TRANSLATE_NOOP("Brindle", "Cell &Size..."),
    QT_TRANSLATE_NOOP("Brindle", "&Font..."),
    QT_TRANSLATE_NOOP("Brindle", "&Automatic Row Height"),
    QT_TRANSLATE_NOOP("Brindle", "F&it Widths to Texts"),
    QT_TRANSLATE_NOOP("Brindle", "S&tandardize All Cells"),
    QT_TRANSLATE_NOOP("Brindle", "&Help"),
    QT_TRANSLATE_NOOP("Brindle", "&Index"),
    QT_TRANSLATE_NOOP("Brindle", "&About VBrdR..."),
    QT_TRANSLATE_NOOP("Brindle", "Text &Input..."),
    QT_TRANSLATE_NOOP("Brindle", "&Generate..."),
    QT_TRANSLATE_NOOP("Brindle", "Line P&alette"),
    // Status prompts and tooltips.
    QT_TRANSLATE_NOOP("Brindle", "Create a new table"),
    QT_TRANSLATE_NOOP("Brindle", "New"),
    QT_TRANSLATE_NOOP("Brindle", "Open a table, a CSV file or a text file"),
    QT_TRANSLATE_NOOP("Brindle", "Open"),
    QT_TRANSLATE_NOOP("Brindle", "Save the table"),
    QT_TRANSLATE_NOOP("Brindle", "Save"),
    QT_TRANSLATE_NOOP("Brindle", "Save the table under a new name"),
    QT_TRANSLATE_NOOP("Brindle", "Save As"),
    QT_TRANSLATE_NOOP("Brindle", "Quit the program; asks to save changes"),
    QT_TRANSLATE_NOOP("Brindle", "Exit"),
    QT_TRANSLATE_NOOP("Brindle", "Undo the last change"),
    QT_TRANSLATE_NOOP("Brindle", "Undo"),
    QT_TRANSLATE_NOOP("Brindle", "Cut the selection to the clipboard"),
    QT_TRANSLATE_NOOP("Brindle", "Cut"),
    QT_TRANSLATE_NOOP("Brindle", "Copy the selection to the clipboard"),
    QT_TRANSLATE_NOOP("Brindle", "Copy"),
    QT_TRANSLATE_NOOP("Brindle", "Paste the clipboard at the cursor"),
    QT_TRANSLATE_NOOP("Brindle", "Paste"),
    QT_TRANSLATE_NOOP("Brindle", "Delete the cells of the selection"),
    QT_TRANSLATE_NOOP("Brindle", "Clear"),
    QT_TRANSLATE_NOOP("Brindle", "Copy the texts of the selection as CSV"),
    QT_TRANSLATE_NOOP("Brindle", "Copy as CSV"),
    QT_TRANSLATE_NOOP("Brindle", "Copy the texts of the selection as tab-separated text"),
    QT_TRANSLATE_NOOP("Brindle", "Copy as text"),
    QT_TRANSLATE_NOOP("Brindle", "Paste CSV text from the clipboard"),
    QT_TRANSLATE_NOOP("Brindle", "Paste CSV"),
    QT_TRANSLATE_NOOP("Brindle", "Paste tab-separated text from the clipboard"),
    QT_TRANSLATE_NOOP("Brindle", "Paste text"),
    QT_TRANSLATE_NOOP("Brindle", "Put the texts of the selection in math mode"),
    QT_TRANSLATE_NOOP("Brindle", "To math"),
    QT_TRANSLATE_NOOP("Brindle", "Take the texts of the selection out of math mode"),
    QT_TRANSLATE_NOOP("Brindle", "To plain"),
    QT_TRANSLATE_NOOP("Brindle", "Show or hide the toolbar"),
    QT_TRANSLATE_NOOP("Brindle", "Toolbar"),
    QT_TRANSLATE_NOOP("Brindle", "Show or hide the status bar"),
    QT_TRANSLATE_NOOP("Brindle", "Status bar"),
    QT_TRANSLATE_NOOP("Brindle", "Show or hide the grid lines"),
    QT_TRANSLATE_NOOP("Brindle", "Grid display"),
    QT_TRANSLATE_NOOP("Brindle", "Type the text of the selected cells"),
    QT_TRANSLATE_NOOP("Brindle", "Text input"),
    QT_TRANSLATE_NOOP("Brindle", "Place the texts at the left"),
    QT_TRANSLATE_NOOP("Brindle", "Left"),
    QT_TRANSLATE_NOOP("Brindle", "Place the texts in the centre"),
    QT_TRANSLATE_NOOP("Brindle", "Centre"),
    QT_TRANSLATE_NOOP("Brindle", "Place the texts at the right"),
    QT_TRANSLATE_NOOP("Brindle", "Right"),
    QT_TRANSLATE_NOOP("Brindle", "Single line around the selection"),
    QT_TRANSLATE_NOOP("Brindle", "Single frame"),
    QT_TRANSLATE_NOOP("Brindle", "Single line along the top"),
    QT_TRANSLATE_NOOP("Brindle", "Single top"),
    QT_TRANSLATE_NOOP("Brindle", "Single line along the bottom"),
    QT_TRANSLATE_NOOP("Brindle", "Single bottom"),
    QT_TRANSLATE_NOOP("Brindle", "Single line along the left side"),
    QT_TRANSLATE_NOOP("Brindle", "Single left"),
    QT_TRANSLATE_NOOP("Brindle", "Single line along the right side"),
    QT_TRANSLATE_NOOP("Brindle", "Single right"),
    QT_TRANSLATE_NOOP("Brindle", "Double line around the selection"),
    QT_TRANSLATE_NOOP("Brindle", "Double frame"),
    QT_TRANSLATE_NOOP("Brindle", "Double line along the top"),
    QT_TRANSLATE_NOOP("Brindle", "Double top"),
    QT_TRANSLATE_NOOP("Brindle", "Double line along the bottom"),
    QT_TRANSLATE_NOOP("Brindle", "Double bottom"),
    QT_TRANSLATE_NOOP("Brindle", "Double line along the left side"),
    QT_TRANSLATE_NOOP("Brindle", "Double left"),
    QT_TRANSLATE_NOOP("Brindle", "Double line along the right side"),
    QT_TRANSLATE_NOOP("Brindle", "Double right"),
    QT_TRANSLATE_NOOP("Brindle", "Single lines on every edge of the selection"),
    QT_TRANSLATE_NOOP("Brindle", "Grid lines"),
    QT_TRANSLATE_NOOP("Brindle", "Apply a line template to the selection"),
    QT_TRANSLATE_NOOP("Brindle", "Line template"),
    QT_TRANSLATE_NOOP("Brindle", "Remove the lines of the selection"),
    QT_TRANSLATE_NOOP("Brindle", "Clear lines"),
    QT_TRANSLATE_NOOP("Brindle", "Open the line palette"),
    QT_TRANSLATE_NOOP("Brindle", "Line palette"),
    QT_TRANSLATE_NOOP("Brindle", "Generate LaTeX or HTML source for the selection"),
    QT_TRANSLATE_NOOP("Brindle", "Generate"),
    QT_TRANSLATE_NOOP("Brindle", "Set the options of the generated source"),
    QT_TRANSLATE_NOOP("Brindle", "Generation options"),
    QT_TRANSLATE_NOOP("Brindle", "Set column widths and the row height"),
    QT_TRANSLATE_NOOP("Brindle", "Cell size"),
    QT_TRANSLATE_NOOP("Brindle", "Choose the display font"),
    QT_TRANSLATE_NOOP("Brindle", "Font"),
    QT_TRANSLATE_NOOP("Brindle", "Follow the font with the row height"),
    QT_TRANSLATE_NOOP("Brindle", "Automatic row height"),
    QT_TRANSLATE_NOOP("Brindle", "Fit the column widths to their texts"),
    QT_TRANSLATE_NOOP("Brindle", "Fit widths"),
    QT_TRANSLATE_NOOP("Brindle", "Give every cell the standard size"),
    QT_TRANSLATE_NOOP("Brindle", "Standard size"),
    QT_TRANSLATE_NOOP("Brindle", "List the keys and commands"),
    QT_TRANSLATE_NOOP("Brindle", "Help"),
    QT_TRANSLATE_NOOP("Brindle", "Show the program's version and contacts"),
    QT_TRANSLATE_NOOP("Brindle", "About"),
    QT_TRANSLATE_NOOP("Brindle", "&Import Table..."),
    QT_TRANSLATE_NOOP("Brindle", "Open the table of a LaTeX or HTML file as a new table"),
    QT_TRANSLATE_NOOP("Brindle", "Import table"),
    QT_TRANSLATE_NOOP("Brindle", "Paste Table &Source"),
    QT_TRANSLATE_NOOP("Brindle", "Paste the LaTeX or HTML table on the clipboard at the cursor"),
    QT_TRANSLATE_NOOP("Brindle", "Paste table source"),
    QT_TRANSLATE_NOOP("Brindle", "&Rendered preview"),
    QT_TRANSLATE_NOOP("Brindle", "Show or hide the table typeset by LaTeX or laid out as HTML"),
    QT_TRANSLATE_NOOP("Brindle", "Rendered preview"),

    // Title parts and the status bar.
    QT_TRANSLATE_NOOP("Brindle", "Untitled"),
    QT_TRANSLATE_NOOP("Brindle", "Ready"),
    // File dialogs.
    QT_TRANSLATE_NOOP("Brindle", "<Brindle>形式 (*.brd)"),
    QT_TRANSLATE_NOOP("Brindle", "ｺﾝﾏ区切り<CSV>形式 (*.csv)"),
    QT_TRANSLATE_NOOP("Brindle", "ﾃｷｽﾄﾌｧｲﾙ (*.txt)"),
    QT_TRANSLATE_NOOP("Brindle", "All Files (*.*)"),
    QT_TRANSLATE_NOOP("Brindle", "TeX形式 (*.tex)"),
    QT_TRANSLATE_NOOP("Brindle", "Text形式 (*.txt)"),
    QT_TRANSLATE_NOOP("Brindle", "出力先新規ファイルの選択"),
    QT_TRANSLATE_NOOP("Brindle", "出力先既存ファイルの選択"),
    // Reading and saving tables.
    QT_TRANSLATE_NOOP("Brindle", "現在編集中のデータを保存しますか？"),
    QT_TRANSLATE_NOOP("Brindle", "CSV形式での保存は出来ません。"),
    QT_TRANSLATE_NOOP(
        "Brindle",
        "旧<Brindle>形式として認識しました。\n保存する時，自動的に新<Brindle>形式に変換されます。"),
    QT_TRANSLATE_NOOP("Brindle", "読み込みに失敗しました!\nファイルが壊れている可能性があります！"),
    QT_TRANSLATE_NOOP("Brindle", "ファイルの読み込みに失敗しちゃいましたよーだ！"),
    QT_TRANSLATE_NOOP("Brindle", "%1\n指定のファイルを開けません！"),
    QT_TRANSLATE_NOOP(
        "Brindle",
        "%1\n%2行目の%3番目の項目に、コードページ932で表せない文字「%4」が含まれています！"),
    QT_TRANSLATE_NOOP("Brindle", "Save changes to %1?"),
    QT_TRANSLATE_NOOP("Brindle", "Cannot save the file \"%1\": %2."),
    QT_TRANSLATE_NOOP("Brindle", "Cannot open the file \"%1\": %2."),
    QT_TRANSLATE_NOOP("Brindle", "Cannot read the file \"%1\": %2."),
    QT_TRANSLATE_NOOP("Brindle", "the file ends early"),
    QT_TRANSLATE_NOOP("Brindle", "Not a regular file"),
    QT_TRANSLATE_NOOP("Brindle", "The folder belongs to another user"),
    // Table source read back.
    QT_TRANSLATE_NOOP("Brindle", "Import Table"),
    QT_TRANSLATE_NOOP("Brindle", "LaTeX (*.tex)"),
    QT_TRANSLATE_NOOP("Brindle", "HTML (*.html *.htm)"),
    QT_TRANSLATE_NOOP("Brindle",
                      "No table was imported from \"%1\":\n%2\nThe current table is unchanged."),
    QT_TRANSLATE_NOOP("Brindle", "The table of \"%1\" was imported with changes:\n- %2"),
    QT_TRANSLATE_NOOP("Brindle",
                      "The clipboard's HTML holds no table that can be pasted:\n%1\nNothing was "
                      "pasted."),
    QT_TRANSLATE_NOOP("Brindle",
                      "The clipboard's text holds no table that can be pasted:\n%1\nNothing was "
                      "pasted."),
    QT_TRANSLATE_NOOP("Brindle", "The table was pasted with changes:\n- %1"),
    // Generation and its output.
    QT_TRANSLATE_NOOP("Brindle", "生成ターゲット情報が、壊れています！"),
    QT_TRANSLATE_NOOP("Brindle", "完了しました！"),
    QT_TRANSLATE_NOOP("Brindle", "ファイルを開けません！\n%1"),
    QT_TRANSLATE_NOOP("Brindle", "%1\nファイルを開けません！"),
    QT_TRANSLATE_NOOP("Brindle", "%1\n指定のキーワードが見つかりません！"),
    QT_TRANSLATE_NOOP("Brindle", "%1\n%2 で表せない文字が含まれているため、書き込みませんでした！"),
    QT_TRANSLATE_NOOP("Brindle", "コードページ932で表せない文字「%1」が含まれています！"),
    QT_TRANSLATE_NOOP("Brindle",
                      "コードページ932で表せない文字「%1」が含まれているため、出力できません！"),
    QT_TRANSLATE_NOOP(
        "Brindle",
        "生成した原始碼にコードページ932として読めないバイトがあります。\n読めない部分は「�」で示し"
        "、編集はできません。保存とクリップボードへの出力は元のバイトのまま行います。"),
    QT_TRANSLATE_NOOP("Brindle", "クリップボードに出力できません！"),
    // Cell texts, sizes and the palette.
    QT_TRANSLATE_NOOP("Brindle", "1 から 250 までの整数を入力してください。"),
    QT_TRANSLATE_NOOP("Brindle",
                      "文字列が長すぎます！ 1つのセルには 65535 バイトまで入力できます。"),
    QT_TRANSLATE_NOOP("Brindle", "%1 から %2 までの整数を入力してください。"),
    QT_TRANSLATE_NOOP("Brindle", "格子大小(列, 行)"),
    QT_TRANSLATE_NOOP("Brindle", "標準サイズにする(列)"),
    QT_TRANSLATE_NOOP("Brindle", "標準サイズにする(行)"),
    QT_TRANSLATE_NOOP("Brindle", "%1列目のセルのサイズ"),
    QT_TRANSLATE_NOOP("Brindle", "%1列目から %2列目のセルのサイズ"),
    QT_TRANSLATE_NOOP("Brindle", "全てのセルのサイズ"),
    QT_TRANSLATE_NOOP("Brindle", "列: %1"),
    QT_TRANSLATE_NOOP("Brindle", "行: %1"),
    QT_TRANSLATE_NOOP("Brindle", "メモリの確保に失敗しました。"),
    // The clipboard.
    QT_TRANSLATE_NOOP("Brindle", "クリップボードを開けませんでした。"),
    QT_TRANSLATE_NOOP("Brindle", "クリップボードの初期化に失敗しました。"),
    QT_TRANSLATE_NOOP("Brindle", "クリップボードへのコピーに失敗しました。"),
    QT_TRANSLATE_NOOP("Brindle", "列 %1、行 %2 "
                                 "のセルの文字列に、コードページ932の文字として読めないバイトが含ま"
                                 "れているため、クリップボードにコピーできません！"),
    QT_TRANSLATE_NOOP("Brindle", "クリップボードのテキストに、コードページ932で表せない文字「%"
                                 "1」が含まれているため、貼り付けられません！"),
    // Recovery of unsaved changes.
    QT_TRANSLATE_NOOP("Brindle", "前回の編集は正常に終了しませんでした。\n\"%1\" "
                                 "の保存されていない変更を復元しますか？（%2 に保存）"),
    QT_TRANSLATE_NOOP(
        "Brindle",
        "復元用のコピー \"%1\" を読み込めません（%2）。\n\"%3\" に名前を変えて残しました。"),
    QT_TRANSLATE_NOOP("Brindle",
                      "復元用のコピー \"%1\" "
                      "を読み込めません（%2）。\n名前を変えることもできませんでした（%3）。"),
    QT_TRANSLATE_NOOP("Brindle", "Cannot remove the recovery copy \"%1\": %2."),
    QT_TRANSLATE_NOOP("Brindle", "Cannot write the recovery copy \"%1\": %2."),
    QT_TRANSLATE_NOOP("Brindle", "%1\nThe copy is kept as \"%2\"."),
    QT_TRANSLATE_NOOP("Brindle", "%1\nThe copy stays as \"%2\"."),
    // The rendered preview's compile.
    QT_TRANSLATE_NOOP("Brindle", "no TeX engine: pdflatex is not on the PATH (install the "
                                 "Debian package texlive-latex-base)"),
    QT_TRANSLATE_NOOP("Brindle", "the table has Japanese text, which needs lualatex with "
                                 "luatexja (install the Debian packages texlive-luatex and "
                                 "texlive-lang-japanese with their recommended packages)"),
    QT_TRANSLATE_NOOP("Brindle", "%1: lualatex is not on the PATH"),
    QT_TRANSLATE_NOOP("Brindle", "TeX error in line %1 of the generated source: %2"),
    QT_TRANSLATE_NOOP("Brindle", "TeX error: %1"),
    QT_TRANSLATE_NOOP("Brindle", "TeX did not finish within %1; the compile was stopped"),
    QT_TRANSLATE_NOOP("Brindle", "the table holds bytes that are not code page 932 text"),
};

struct CPattern {
    const char* source;
    QRegularExpression re;
};

bool IsPattern(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    return text.contains(marker);
}

const std::vector<CPattern>& Patterns() {
    static const std::vector<CPattern> patterns = [] {
        std::vector<CPattern> list;
        static const QRegularExpression marker(QStringLiteral("%([1-9])"));
        for (const char* source : kSources) {
            const QString text = QString::fromUtf8(source);
            if (!IsPattern(text))
                continue;
            QString re = QStringLiteral("^");
            qsizetype at = 0;
            for (auto it = marker.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                re += QRegularExpression::escape(text.mid(at, m.capturedStart() - at));
                re += QStringLiteral("(?<a%1>.*?)").arg(m.captured(1));
                at = m.capturedEnd();
            }
            re += QRegularExpression::escape(text.mid(at)) + u'$';
            list.push_back(
                {source, QRegularExpression(re, QRegularExpression::DotMatchesEverythingOption)});
        }
        return list;
    }();
    return patterns;
}

QString Exact(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return QCoreApplication::translate(kUiTextContext, utf8.constData());
}

// Puts the parts in for %1 ... %9 in one pass, so a part holding "%2" stays as it is.
QString Fill(const QString& pattern, const QRegularExpressionMatch& m) {
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'%' && i + 1 < pattern.size() && pattern[i + 1] >= u'1' &&
            pattern[i + 1] <= u'9') {
            out += Exact(m.captured(QStringLiteral("a") + pattern[i + 1]));
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

// Of the patterns that match, the one that leaves the least to its inserted parts: "%1列目の
// セルのサイズ" also matches the text of "%1列目から %2列目のセルのサイズ".
bool BestPattern(const QString& text, const CPattern*& best, QRegularExpressionMatch& match) {
    qsizetype bestInserted = -1;
    for (const CPattern& p : Patterns()) {
        QRegularExpressionMatch m = p.re.match(text);
        if (!m.hasMatch())
            continue;
        qsizetype inserted = 0;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            inserted += m.capturedLength(i);
        if (bestInserted < 0 || inserted < bestInserted) {
            bestInserted = inserted;
            best = &p;
            match = m;
        }
    }
    return best != nullptr;
}

} // namespace

QString UiText(const QString& text) {
    if (text.isEmpty())
        return text;
    const QString exact = Exact(text);
    if (exact != text)
        return exact;
    const CPattern* best = nullptr;
    QRegularExpressionMatch bestMatch;
    if (BestPattern(text, best, bestMatch))
        return Fill(QCoreApplication::translate(kUiTextContext, best->source), bestMatch);
    return text;
}

QString UiText(const char* utf8) {
    return UiText(QString::fromUtf8(utf8));
}

QString UiText(const std::string& utf8) {
    return UiText(QString::fromStdString(utf8));
}

const char* UiTextSource(const QString& text) {
    for (const char* source : kSources)
        if (text == QString::fromUtf8(source))
            return source;
    const CPattern* best = nullptr;
    QRegularExpressionMatch match;
    return BestPattern(text, best, match) ? best->source : nullptr;
}

const char* const* UiTextSources(int* count) {
    *count = static_cast<int>(std::size(kSources));
    return kSources;
}
