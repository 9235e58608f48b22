// File > Import Table and Edit > Paste Table Source, driven through the view's commands with
// a fake window, fake dialogs and a fake clipboard.
#include "CellArray.h"
#include "CellSize.h"
#include "Generator.h"
#include "LineArray.h"
#include "ModelChecks.h"
#include "Resource.h"
#include "TableImport.h"
#include "TextCodec.h"
#include "ViewFixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A float with caption and label, a double rule, a column span and a row span.
const char* const kLatex = "\\begin{table}\n"
                           "\\caption{Sales}\n"
                           "\\label{tab:s}\n"
                           "\\begin{tabular}{|l||r|}\n"
                           "\\hline\n"
                           "\\multicolumn{2}{|c|}{Head} \\\\ \\hline\\hline\n"
                           "a & \\multirow{2}{*}{b} \\\\ \\cline{1-1}\n"
                           "c & \\\\\n"
                           "\\hline\n"
                           "\\end{tabular}\n"
                           "\\end{table}\n";

const char* const kHtml = "<table border=\"1\"><tr><td colspan=\"2\" align=\"right\">x</td></tr>"
                          "<tr><td>y</td><td valign=\"top\">z</td></tr></table>";

struct CTable {
    std::vector<CPlaced> records;
    std::vector<std::array<int, 4>> lines;
    bool operator==(const CTable&) const = default;
};

// What the importer itself makes of source, moved by (dx, dy).
CTable Expected(const std::string& source, TableSourceFormat format, int dx = 0, int dy = 0) {
    CTableImportError error;
    const std::unique_ptr<CImportedTable> t = ImportTableSource(source, format, error);
    EXPECT_TRUE(t) << error.Describe();
    if (!t)
        return {};
    CTable out{Records(t->cells), Lines(t->hLines, t->vLines)};
    for (CPlaced& p : out.records) {
        p.col += dx;
        p.row += dy;
    }
    for (auto& l : out.lines) {
        // Horizontal: (column, row edge); vertical: (row, column edge).
        l[1] += l[0] ? dx : dy;
        l[2] += l[0] ? dy : dx;
    }
    return out;
}

class ScratchDir {
public:
    ScratchDir() {
        static std::atomic<int> serial{0};
        m_dir = std::filesystem::path(::testing::TempDir()) /
                ("brindle-import-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::filesystem::create_directories(m_dir);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

private:
    std::filesystem::path m_dir;
};

std::string Cp932(const std::string& utf8) {
    return *Utf8ToCp932(utf8);
}

} // namespace

class ImportTest : public ViewTest {
protected:
    CFakeClipboard m_clipboard;
    ScratchDir m_files;

    void SetUp() override {
        ViewTest::SetUp();
        View().SetClipboard(&m_clipboard, &m_box);
        View().SetImportServices(&m_dialog, &m_box);
    }
    CTable Table() { return {Records(m_doc.m_cells), Lines(m_doc.m_hLines, m_doc.m_vLines)}; }
    void Run(int id) { ASSERT_TRUE(View().OnCommand(id)) << id; }
    bool Enabled(int id) {
        CCmdUI ui;
        EXPECT_TRUE(View().OnUpdateCommand(id, ui)) << id;
        return ui.enabled;
    }
    // A modified document with one record and one line, saved nowhere.
    void EditSomething() {
        m_doc.m_cells.SetCell(4, 4, Record("old"));
        m_doc.m_hLines.SetLine(4, 4, LINE_DOUBLE);
        m_doc.SetModifiedFlag(true);
    }
    void Import(const std::string& path) {
        m_dialog.AnswerPath(path);
        Run(ID_FILE_IMPORT_TABLE);
    }
    std::string LastMessage() const { return m_box.shown.empty() ? "" : m_box.shown.back().text; }
};

TEST_F(ImportTest, ImportedTableBecomesANewUntitledModifiedDocument) {
    m_doc.SetPathName(m_files.Path("old.brd"));
    m_doc.m_sizes.SetWidth(1, 300);
    COptionsRecord& options = View().Generation().Options();
    options.BorderHTML = 1; // another target's options stay
    options.Kakko = 2;
    options.Doc = 1; // the file around the table is no option of the table

    Import(m_files.Write("sales.tex", kLatex));

    ASSERT_EQ(m_dialog.requests.size(), 1u);
    const CFileDialogRequest& request = m_dialog.requests[0];
    EXPECT_EQ(request.kind, CFileDialogRequest::Open);
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_EQ(request.filters, (std::vector<CFileFilter>{{"LaTeX (*.tex)", "*.tex"},
                                                         {"HTML (*.html *.htm)", "*.html;*.htm"},
                                                         {"All Files (*.*)", "*.*"}}));
    EXPECT_TRUE(m_box.shown.empty()) << LastMessage();
    EXPECT_EQ(Table(), Expected(kLatex, TableSourceFormat::Latex));
    EXPECT_EQ(m_doc.m_cells.GetCell(1, 1)->text, "Head");
    EXPECT_EQ(m_doc.m_cells.GetCell(2, 2)->rowspan, 2);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(m_doc.IsNeverSaved());
    EXPECT_EQ(m_doc.GetTitle(), "Untitled");
    EXPECT_EQ(m_doc.m_sizes.GetWidth(1), CCellSize().GetWidth(1));

    EXPECT_EQ(options.Table, 1);
    EXPECT_EQ(options.Cap, 1);
    EXPECT_EQ(options.CapStr, "Sales");
    EXPECT_EQ(options.Label, 1);
    EXPECT_EQ(options.LabelStr, "tab:s");
    EXPECT_EQ(options.Doc, 1);
    EXPECT_EQ(options.BorderHTML, 1);
    EXPECT_EQ(options.Kakko, 2);

    // Save goes to Save As, as after New.
    m_dialog.AnswerCancel();
    m_doc.OnFileSave();
    ASSERT_EQ(m_dialog.requests.size(), 2u);
    EXPECT_EQ(m_dialog.requests[1].kind, CFileDialogRequest::Save);
}

TEST_F(ImportTest, FormatComesFromTheNameElseFromTheText) {
    struct Case {
        const char* name;
        const char* text;
        TableSourceFormat format;
    };
    const Case cases[] = {
        {"page.html", kHtml, TableSourceFormat::Html},
        {"page.HTM", kHtml, TableSourceFormat::Html},
        {"clip.txt", kHtml, TableSourceFormat::Html},
        {"notes", kLatex, TableSourceFormat::Latex},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_box.shown.clear();
        m_doc.SetModifiedFlag(false); // as if saved: no save question
        Import(m_files.Write(c.name, c.text));
        EXPECT_TRUE(m_box.shown.empty()) << LastMessage();
        EXPECT_EQ(Table(), Expected(c.text, c.format));
    }
    EXPECT_EQ(View().Generation().Options().BorderHTML, 1);
}

TEST_F(ImportTest, Cp932AndUtf8FilesGiveTheSameCells) {
    const std::string jp = "\\begin{tabular}{cc}\n表 & ソ\\\\\n\\end{tabular}\n";
    const std::string files[] = {jp, "\xEF\xBB\xBF" + jp, Cp932(jp)};
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes.substr(0, 3));
        m_doc.SetModifiedFlag(false);
        Import(m_files.Write("jp.tex", bytes));
        EXPECT_TRUE(m_box.shown.empty()) << LastMessage();
        ASSERT_NE(m_doc.m_cells.GetCell(2, 1), nullptr);
        EXPECT_EQ(m_doc.m_cells.GetCell(1, 1)->text, Cp932("表"));
        EXPECT_EQ(m_doc.m_cells.GetCell(2, 1)->text, Cp932("ソ"));
    }
}

TEST_F(ImportTest, AFailedImportNamesTheProblemAndKeepsTheDocument) {
    struct Case {
        const char* name;
        const char* text; // null: no such file
        const char* shown;
    };
    const Case cases[] = {
        {"missing.tex", nullptr, "Cannot read the file"},
        {"braces.tex", "\\begin{tabular}{cc}\na & {b \\\\\n\\end{tabular}\n", "line 2, column 5"},
        {"letter.tex", "\\begin{tabular}{cq}\na & b\n\\end{tabular}\n", "line 1, column 18"},
        {"none.tex", "no table here\n", "line 2, column 1"},
        {"none.html", "<p>no table</p>", "line 1"},
    };
    m_doc.SetPathName(m_files.Path("kept.brd"));
    EditSomething();
    const CTable before = Table();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_box.shown.clear();
        m_box.answers = {MsgAnswer::No}; // the save question
        Import(c.text ? m_files.Write(c.name, c.text) : m_files.Path(c.name));
        ASSERT_EQ(m_box.shown.size(), 2u);
        EXPECT_NE(m_box.shown[1].text.find(c.shown), std::string::npos) << m_box.shown[1].text;
        EXPECT_NE(m_box.shown[1].text.find(c.name), std::string::npos) << m_box.shown[1].text;
        EXPECT_EQ(Table(), before);
        EXPECT_TRUE(m_doc.IsModified());
        EXPECT_EQ(m_doc.GetPathName(), m_files.Path("kept.brd"));
    }
}

TEST_F(ImportTest, TheSaveQuestionOfNewComesFirst) {
    const std::string path = m_files.Write("t.tex", kLatex);
    struct Case {
        const char* name;
        std::vector<MsgAnswer> answers;
        bool saveAsCancelled;
        bool imported;
    };
    const Case cases[] = {
        {"cancel", {MsgAnswer::Cancel}, false, false},
        {"yes, Save As cancelled", {MsgAnswer::Yes}, true, false},
        {"no", {MsgAnswer::No}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_doc.OnNewDocument();
        EditSomething();
        const CTable before = Table();
        m_box.shown.clear();
        m_box.answers = {c.answers.begin(), c.answers.end()};
        m_dialog.requests.clear();
        m_dialog.results.clear();
        if (c.saveAsCancelled)
            m_dialog.AnswerCancel();
        m_dialog.AnswerPath(path);
        Run(ID_FILE_IMPORT_TABLE);

        ASSERT_FALSE(m_box.shown.empty());
        EXPECT_EQ(m_box.shown[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(m_dialog.requests.size(), (c.saveAsCancelled ? 1u : 0u) + (c.imported ? 1u : 0u));
        if (c.imported)
            EXPECT_EQ(Table(), Expected(kLatex, TableSourceFormat::Latex));
        else
            EXPECT_EQ(Table(), before);
    }

    // An unmodified document is not asked about; a cancelled file dialog changes nothing.
    m_doc.OnNewDocument();
    m_box.shown.clear();
    m_dialog.results.clear();
    Run(ID_FILE_IMPORT_TABLE);
    EXPECT_TRUE(m_box.shown.empty());
    EXPECT_TRUE(Table().records.empty());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(ImportTest, CutsAreReported) {
    std::string wide = "\\begin{tabular}{*{260}{c}}\n";
    for (int i = 1; i < 260; ++i)
        wide += "x & ";
    wide += "y \\\\\n\\end{tabular}\n";
    Import(m_files.Write("wide.tex", wide));
    ASSERT_EQ(m_box.shown.size(), 1u);
    EXPECT_NE(m_box.shown[0].text.find("wide.tex"), std::string::npos);
    EXPECT_NE(m_box.shown[0].text.find("251 to 260"), std::string::npos) << m_box.shown[0].text;
    ASSERT_NE(m_doc.m_cells.GetCell(250, 1), nullptr);
    EXPECT_EQ(m_doc.m_cells.GetCell(250, 1)->text, "x");
}

TEST_F(ImportTest, PasteTakesTheHtmlFlavourFirstAndIsOneUndoStep) {
    m_doc.m_cells.SetCell(3, 2, Record("under"));
    m_doc.m_cells.SetCell(9, 9, Record("far"));
    m_doc.m_vLines.SetLine(2, 3, LINE_SINGLE);
    const CTable before = Table();
    m_clipboard.html = kHtml;
    m_clipboard.text = "\\begin{tabular}{c} t \\\\ \\end{tabular}";
    Select(3, 2, 5, 6);
    Run(ID_EDIT_PASTE_SOURCE);

    EXPECT_TRUE(m_box.shown.empty()) << LastMessage();
    CTable expected = Expected(kHtml, TableSourceFormat::Html, 2, 1);
    expected.records.push_back({9, 9, Record("far")});
    EXPECT_EQ(Table(), expected);
    EXPECT_TRUE(m_doc.IsModified());

    Run(ID_EDIT_UNDO);
    EXPECT_EQ(Table(), before);
}

TEST_F(ImportTest, PasteReadsTheTextWhenTheHtmlHoldsNoTable) {
    const std::string latex =
        "\\begin{tabular}{|l|}\\hline\n表 \\\\ \\hline\\hline\n\\end{tabular}";
    struct Case {
        const char* name;
        std::optional<std::string> html;
        std::string text; // UTF-8
    };
    const Case cases[] = {
        {"an editor's coloured source", "<div><span>\\begin{tabular}</span></div>", latex},
        {"no HTML", std::nullopt, latex},
        {"HTML source as text", std::nullopt, kHtml},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_doc.OnNewDocument();
        m_clipboard.html = c.html;
        m_clipboard.text = Cp932(c.text);
        Select(2, 2, 2, 2);
        Run(ID_EDIT_PASTE_SOURCE);
        EXPECT_TRUE(m_box.shown.empty()) << LastMessage();
        const TableSourceFormat format = GuessTableSourceFormat(c.text);
        EXPECT_EQ(Table(), Expected(Cp932(c.text), format, 1, 1));
    }
}

TEST_F(ImportTest, AFailedPasteNamesTheProblemAndChangesNothing) {
    struct Case {
        const char* name;
        std::optional<std::string> html;
        std::optional<std::string> text;
        const char* shown;
    };
    const Case cases[] = {
        {"unclosed brace", std::nullopt, "\\begin{tabular}{c}\n{a \\\\\n\\end{tabular}",
         "text holds no table that can be pasted:\nline 2, column 1"},
        {"plain words", std::nullopt, "just words", "line 1, column 1"},
        {"HTML without a table, no text", "<p>x</p>", std::nullopt, "clipboard's HTML"},
    };
    m_doc.m_cells.SetCell(1, 1, Record("keep"));
    Select(1, 1, 1, 1);
    Run(ID_ALIGN_LEFT); // an undo step of its own that must stay
    m_doc.SetModifiedFlag(false);
    const CTable before = Table();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_box.shown.clear();
        m_clipboard.html = c.html;
        m_clipboard.text = c.text;
        Run(ID_EDIT_PASTE_SOURCE);
        ASSERT_EQ(m_box.shown.size(), 1u);
        EXPECT_NE(m_box.shown[0].text.find(c.shown), std::string::npos) << m_box.shown[0].text;
        EXPECT_EQ(Table(), before);
        EXPECT_FALSE(m_doc.IsModified());
    }
    // A character no cell can hold is refused as by the plain pastes.
    m_box.shown.clear();
    m_clipboard.html.reset();
    m_clipboard.refused = "😀";
    Run(ID_EDIT_PASTE_SOURCE);
    ASSERT_EQ(m_box.shown.size(), 1u);
    EXPECT_NE(m_box.shown[0].text.find("😀"), std::string::npos);
    EXPECT_EQ(Table(), before);

    Run(ID_EDIT_UNDO);
    EXPECT_EQ(m_doc.m_cells.GetCell(1, 1)->hplace, 1);
}

TEST_F(ImportTest, PasteIsEnabledWhileTheClipboardHoldsTextOrHtml) {
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_SOURCE));
    m_clipboard.html = "<p>x</p>";
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE_SOURCE));
    m_clipboard.html.reset();
    m_clipboard.text = "";
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE_SOURCE));
    EXPECT_TRUE(Enabled(ID_FILE_IMPORT_TABLE));

    View().SetClipboard(nullptr, nullptr);
    View().SetImportServices(nullptr, nullptr);
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_SOURCE));
    EXPECT_FALSE(Enabled(ID_FILE_IMPORT_TABLE));
}
