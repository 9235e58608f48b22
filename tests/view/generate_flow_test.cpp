#include "CellArray.h"
#include "FakeGenerateDialogs.h"
#include "FileIo.h"
#include "GenerateFlow.h"
#include "LineArray.h"
#include "Resource.h"
#include "ViewFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& p) {
    std::string s;
    EXPECT_TRUE(ReadWholeFile(p.string(), s).ok) << p;
    return s;
}

void WriteFile(const fs::path& p, const std::string& s) {
    std::ofstream(p, std::ios::binary) << s;
}

class GenerateTest : public ViewTest {
protected:
    CFakeGenerateDialogs m_dialogs;
    CFakeMessageBox m_messages;
    CFakeFileDialog m_files;
    fs::path m_dir;

    void SetUp() override {
        ViewTest::SetUp();
        View().SetGenerateServices({&m_dialogs, &m_messages, &m_files});
        m_dir = fs::temp_directory_path() / ("brindle-generate-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_dir, ec);
    }
    void PutText(int c, int r, const std::string& text) {
        CCellData d;
        d.text = text;
        m_doc.m_cells.SetCell(c, r, d);
    }
    CGenerateController& Gen() { return View().Generation(); }
    static COutputMethodData Method(int method, std::string keyword = "%%BrindlePlease%%") {
        return {method, std::move(keyword)};
    }
};

TEST_F(GenerateTest, CancelledTargetDialogEndsTheCommand) {
    PutText(1, 1, "old");
    m_dialogs.targets = {TARGET_TABULAR};
    View().OnCommand(ID_GENERATE);
    const std::string old = Gen().Source();
    ASSERT_NE(old.find("old"), std::string::npos);
    PutText(1, 1, "new");
    m_dialogs.events.clear();
    EXPECT_TRUE(View().OnCommand(ID_GENERATE));
    EXPECT_EQ(m_dialogs.events, std::vector<std::string>{"target"});
    EXPECT_EQ(Gen().Source(), old);
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(GenerateTest, GeneratesTheNormalisedSelectionWithProgressAndOpensThePreview) {
    PutText(1, 2, "a");
    PutText(2, 3, "b");
    m_doc.m_hLines.SetLine(1, 2, LINE_SINGLE);
    Select(2, 3, 1, 2);
    m_dialogs.targets = {TARGET_TABULAR};

    View().OnCommand(ID_GENERATE);

    const std::vector<std::string> events{"target", "progress shown", "progress closed", "preview"};
    EXPECT_EQ(m_dialogs.events, events);
    const std::vector<std::string> progress{"range 2 3", "pos 2", "pos 3", "pos 4"};
    EXPECT_EQ(m_dialogs.progress.calls, progress);
    EXPECT_EQ(Gen().Source(), "\\begin{tabular}{cc}\r\n"
                              "\\cline{1-1}\r\n"
                              "a &  \\\\\r\n"
                              " & b \\\\\r\n"
                              "\\end{tabular}\r\n");
    ASSERT_EQ(m_dialogs.previewsOpened.size(), 1u);
    EXPECT_EQ(m_dialogs.previewsOpened[0].m_text, Gen().Source());
    EXPECT_FALSE(m_host.waitCursor);
}

TEST_F(GenerateTest, WritersReadTheOptionsRecordTheSheetEdits) {
    m_dialogs.sheet = [](CDecodeOpData& d) { d.m_options.BorderHTML = 1; };
    EXPECT_TRUE(View().OnCommand(ID_GENERATE_OPTIONS));
    EXPECT_EQ(Gen().Options().BorderHTML, 1);
    m_dialogs.targets = {TARGET_HTML};
    View().OnCommand(ID_GENERATE);
    EXPECT_NE(Gen().Source().find("BORDER"), std::string::npos) << Gen().Source();
}

TEST_F(GenerateTest, BothCommandsAreAlwaysEnabled) {
    for (int id : {ID_GENERATE, ID_GENERATE_OPTIONS}) {
        CCmdUI ui;
        ui.enabled = false;
        EXPECT_TRUE(View().OnUpdateCommand(id, ui));
        EXPECT_TRUE(ui.enabled) << id;
    }
}

TEST_F(GenerateTest, BrokenTargetIsReportedAndNoPreviewOpens) {
    m_dialogs.targets = {3};
    View().OnGenerate();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, "生成ターゲット情報が、壊れています！");
    EXPECT_EQ(m_messages.shown[0].icon, MsgIcon::None);
    EXPECT_TRUE(m_dialogs.previewsOpened.empty());
    EXPECT_FALSE(m_dialogs.progressShown);
}

TEST_F(GenerateTest, PreviewGeometryGoesInAndComesBackHoweverItCloses) {
    Gen().SetPreviewGeometry({600, 400, 0});
    m_dialogs.targets = {TARGET_TABULAR, TARGET_ARRAY};
    m_dialogs.closeGeometry = {{800, 500}, 1};
    View().OnGenerate();
    ASSERT_EQ(m_dialogs.previewsOpened.size(), 1u);
    EXPECT_EQ(m_dialogs.previewsOpened[0].m_width, 600);
    EXPECT_EQ(m_dialogs.previewsOpened[0].m_height, 400);
    EXPECT_EQ(m_dialogs.previewsOpened[0].m_zoomed, 0);
    EXPECT_EQ(Gen().PreviewGeometry().width, 800);
    EXPECT_EQ(Gen().PreviewGeometry().height, 500);
    EXPECT_EQ(Gen().PreviewGeometry().zoomed, 1);

    // Closed by a save this time: the geometry still comes back.
    m_dialogs.closeGeometry = {{640, 480}, 0};
    m_dialogs.saves = {"x"};
    View().OnGenerate();
    EXPECT_EQ(m_dialogs.previewsOpened[1].m_zoomed, 1);
    EXPECT_EQ(Gen().PreviewGeometry().width, 640);
    EXPECT_EQ(Gen().PreviewGeometry().zoomed, 0);
}

TEST(OutputFileRequest, TitlesFiltersAndOptions) {
    const CFileDialogRequest n = OutputFileRequest(OUTPUT_NEW_FILE);
    EXPECT_EQ(n.kind, CFileDialogRequest::Save);
    EXPECT_EQ(n.title, "出力先新規ファイルの選択");
    const std::vector<CFileFilter> newFilters{
        {"TeX形式 (*.tex)", "*.tex"}, {"Text形式 (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}};
    EXPECT_EQ(n.filters, newFilters);
    EXPECT_EQ(n.defaultExt, "tex");
    EXPECT_TRUE(n.overwritePrompt);
    EXPECT_TRUE(n.pathMustExist);
    EXPECT_FALSE(n.fileMustExist);
    EXPECT_TRUE(n.hideReadOnly);

    const CFileDialogRequest e = OutputFileRequest(OUTPUT_EXISTING_FILE);
    EXPECT_EQ(e.kind, CFileDialogRequest::Open);
    EXPECT_EQ(e.title, "出力先既存ファイルの選択");
    const std::vector<CFileFilter> existingFilters{{"TeX形式 (*.tex)", "*.tex"},
                                                   {"All Files (*.*)", "*.*"}};
    EXPECT_EQ(e.filters, existingFilters);
    EXPECT_EQ(e.defaultExt, "tex");
    EXPECT_TRUE(e.fileMustExist);
    EXPECT_TRUE(e.pathMustExist);
    EXPECT_FALSE(e.overwritePrompt);
    EXPECT_TRUE(e.hideReadOnly);
}

// One press of the save button, from the output method dialog to the message.
struct SaveCase {
    const char* name;
    std::optional<COutputMethodData> method; // nullopt: the dialog is cancelled
    const char* file;                        // relative to the test folder; null: cancel
    const char* before;                      // file content before; null: no file
    bool readOnly;
    const char* after;   // expected content; null: the file must not exist
    const char* message; // expected message ({path} and nothing else is replaced); null: none
    bool closes;
};

void PrintTo(const SaveCase& c, std::ostream* os) {
    *os << c.name;
}

class SaveFlow : public GenerateTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveFlow, WritesReportsAndDecidesWhetherThePreviewCloses) {
    const SaveCase& c = GetParam();
    SCOPED_TRACE(c.name);
    const fs::path path = c.file ? m_dir / c.file : fs::path();
    if (c.before)
        WriteFile(path, c.before);
    if (std::string(c.name).ends_with("IsAFolder"))
        fs::create_directory(path);
    if (c.readOnly)
        fs::permissions(path, fs::perms::owner_read, fs::perm_options::replace);
    m_dialogs.methods = {c.method};
    if (c.file)
        m_files.AnswerPath(path.string());
    else
        m_files.AnswerCancel();

    TextEncoding encoding = TextEncoding::Utf8;
    const bool closes = SavePreviewText("NEW\r\n", {&m_dialogs, &m_messages, &m_files}, encoding);

    EXPECT_EQ(closes, c.closes);
    ASSERT_EQ(m_dialogs.methodsOpened.size(), 1u);
    EXPECT_EQ(m_dialogs.methodsOpened[0].m_method, 0);
    EXPECT_EQ(m_dialogs.methodsOpened[0].m_keyword, "%%BrindlePlease%%");
    if (c.method) {
        ASSERT_EQ(m_files.requests.size(), 1u);
        EXPECT_EQ(m_files.requests[0], OutputFileRequest(c.method->m_method));
    } else {
        EXPECT_TRUE(m_files.requests.empty());
    }
    if (c.after) {
        EXPECT_EQ(ReadFile(path), c.after);
    } else if (c.file) {
        EXPECT_FALSE(fs::is_regular_file(path));
    }
    if (c.message) {
        std::string expected = c.message;
        const std::size_t at = expected.find("{path}");
        if (at != std::string::npos)
            expected.replace(at, 6, path.string());
        ASSERT_EQ(m_messages.shown.size(), 1u);
        EXPECT_EQ(m_messages.shown[0].text, expected);
        EXPECT_EQ(m_messages.shown[0].icon, MsgIcon::Exclamation);
    } else {
        EXPECT_TRUE(m_messages.shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFlow,
    ::testing::Values(
        SaveCase{"NewFile", COutputMethodData{1, "%%BrindlePlease%%"}, "out.tex", nullptr, false,
                 "NEW\r\n", "完了しました！", true},
        SaveCase{"NewFileReplacesAnOldOne", COutputMethodData{1, "%%BrindlePlease%%"}, "out.tex",
                 "old", false, "NEW\r\n", "完了しました！", true},
        SaveCase{"NewFileInAMissingFolder", COutputMethodData{1, "%%BrindlePlease%%"},
                 "missing/out.tex", nullptr, false, nullptr, "ファイルを開けません！\n{path}",
                 false},
        SaveCase{"NewFileOverAReadOnlyFile", COutputMethodData{1, "%%BrindlePlease%%"}, "ro.tex",
                 "keep", true, "keep", "ファイルを開けません！\n{path}", false},
        SaveCase{"InsertAfterTheFirstKeyword", COutputMethodData{0, "%%BrindlePlease%%"}, "doc.tex",
                 "a\r\n%%BrindlePlease%%\r\nb%%BrindlePlease%%", false,
                 "a\r\n%%BrindlePlease%%\r\nNEW\r\n\r\nb%%BrindlePlease%%", "完了しました！", true},
        SaveCase{"InsertWithAnEditedKeyword", COutputMethodData{0, "@@"}, "doc.tex", "x@@", false,
                 "x@@\r\nNEW\r\n", "完了しました！", true},
        SaveCase{"KeywordMissing", COutputMethodData{0, "%%BrindlePlease%%"}, "doc.tex",
                 "no marker", false, "no marker",
                 "%%BrindlePlease%%\n指定のキーワードが見つかりません！", true},
        SaveCase{"ExistingFileMissing", COutputMethodData{0, "%%BrindlePlease%%"}, "gone.tex",
                 nullptr, false, nullptr, "{path}\nファイルを開けません！", false},
        SaveCase{"ExistingFileReadOnly", COutputMethodData{0, "%%BrindlePlease%%"}, "ro.tex",
                 "%%BrindlePlease%%", true, "%%BrindlePlease%%", "{path}\nファイルを開けません！",
                 false},
        SaveCase{"ExistingFileIsAFolder", COutputMethodData{0, "%%BrindlePlease%%"}, "dir.tex",
                 nullptr, false, nullptr, "{path}\nファイルを開けません！", false},
        SaveCase{"NewFileIsAFolder", COutputMethodData{1, "%%BrindlePlease%%"}, "dir.tex", nullptr,
                 false, nullptr, "ファイルを開けません！\n{path}", false},
        SaveCase{"MethodDialogCancelled", std::nullopt, nullptr, nullptr, false, nullptr, nullptr,
                 true},
        SaveCase{"FileDialogCancelled", COutputMethodData{1, "%%BrindlePlease%%"}, nullptr, nullptr,
                 false, nullptr, nullptr, true}),
    [](const ::testing::TestParamInfo<SaveCase>& p) { return p.param.name; });

TEST_F(GenerateTest, PreviewStaysOpenAfterAnUnopenableFileUntilASaveSucceeds) {
    PutText(1, 1, "x");
    m_dialogs.targets = {TARGET_TABULAR};
    m_dialogs.saves = {"edited once", "edited twice"};
    m_dialogs.methods = {Method(1), Method(1)};
    m_files.AnswerPath((m_dir / "nope" / "a.tex").string());
    m_files.AnswerPath((m_dir / "b.tex").string());

    View().OnGenerate();

    EXPECT_EQ(m_dialogs.saveResults, (std::vector<bool>{false, true}));
    EXPECT_EQ(ReadFile(m_dir / "b.tex"), "edited twice");
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{"ファイルを開けません！\n" +
                                                                (m_dir / "nope" / "a.tex").string(),
                                                            "完了しました！"}));
    // The generated text stays as it was generated.
    EXPECT_EQ(Gen().Source().substr(0, 16), "\\begin{tabular}{");
}

// A new file is UTF-8 unless the dialog chose code page 932; the choice is what the dialog
// opens with next time, also in a later run of the command. An existing file keeps its own.
TEST_F(GenerateTest, NewFileEncodingIsChosenAndRemembered) {
    PutText(1, 1, "\x95\x5c"); // 表
    m_dialogs.targets = {TARGET_HTML, TARGET_HTML};
    COutputMethodData sjis = Method(1);
    sjis.m_encoding = TextEncoding::Cp932;
    m_dialogs.saves = {"\x95\x5c\r\n"};
    m_dialogs.methods = {Method(1)};
    m_files.AnswerPath((m_dir / "utf8.tex").string());
    View().OnGenerate();
    EXPECT_EQ(ReadFile(m_dir / "utf8.tex"), "表\r\n");
    ASSERT_EQ(m_dialogs.methodsOpened.size(), 1u);
    EXPECT_EQ(m_dialogs.methodsOpened[0].m_encoding, TextEncoding::Utf8);

    m_dialogs.saves = {"\x95\x5c\r\n", "\x95\x5c\r\n"};
    m_dialogs.methods = {sjis, Method(0)};
    m_files.AnswerPath((m_dir / "sjis.tex").string());
    WriteFile(m_dir / "doc.tex", "本%%BrindlePlease%%");
    View().OnGenerate();
    EXPECT_EQ(ReadFile(m_dir / "sjis.tex"), "\x95\x5c\r\n");
    EXPECT_EQ(Gen().NewFileEncoding(), TextEncoding::Cp932);

    // The next run opens with code page 932; the UTF-8 file it inserts into stays UTF-8.
    m_dialogs.targets = {TARGET_HTML};
    m_dialogs.saves = {"\x95\x5c"};
    m_dialogs.methods = {Method(0)};
    m_files.AnswerPath((m_dir / "doc.tex").string());
    View().OnGenerate();
    ASSERT_EQ(m_dialogs.methodsOpened.size(), 3u);
    EXPECT_EQ(m_dialogs.methodsOpened[2].m_encoding, TextEncoding::Cp932);
    EXPECT_EQ(ReadFile(m_dir / "doc.tex"), "本%%BrindlePlease%%\r\n表");
}

} // namespace

// The rendered preview shows a real selection as it is, and the used area for a single cell.
TEST_F(GenerateTest, PreviewRegionIsTheSelectionOrTheUsedArea) {
    EXPECT_EQ(View().PreviewRegion(), (CCellRect{1, 1, 1, 1})) << "empty table";
    PutText(3, 2, "a");
    m_doc.m_hLines.SetLine(1, 5, LINE_SINGLE);
    Select(7, 7, 7, 7);
    EXPECT_EQ(View().PreviewRegion(), (CCellRect{1, 1, 3, 4})) << "line under row 4";
    Select(2, 3, 1, 2);
    EXPECT_EQ(View().PreviewRegion(), (CCellRect{1, 2, 2, 3}));
}
