// Opens arbitrary bytes as the editor's Open does: the native reader with its fallback to
// the old record format and to the text imports, or the CSV import for a .csv name.
// A table that was read must survive a write, read, write round trip byte for byte.
#include "FileDialog.h"
#include "FileTypeQuestion.h"
#include "MessageBox.h"
#include "MyDoc.h"
#include "NativeFormat.h"
#include "SpanMap.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

class CQuietMessageBox : public IMessageBox {
public:
    MsgAnswer Show(const std::string&, MsgIcon, MsgButtons buttons) override {
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
    }
};

class CCancelDialog : public IFileDialog {
public:
    CFileDialogResult Run(const CFileDialogRequest&) override { return {}; }
};

class CAnswer : public IFileTypeQuestion {
public:
    bool csv = true;
    bool AskCsv() override { return csv; }
};

std::string TempBase() {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir ? dir : "/tmp") + "/brindle-fuzz-" + std::to_string(::getpid());
}

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string base = TempBase();
    static const char* const extensions[] = {".brd", ".txt", ".csv"};
    const std::string path = base + extensions[size % 3];
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f)
            return 0;
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    static CQuietMessageBox messageBox;
    static CCancelDialog dialog;
    static CAnswer answer;
    answer.csv = (size / 3) % 2 == 0;
    static CMyDoc doc(messageBox, dialog, answer);
    const CReadResult read = doc.OpenFile(path);
    std::remove(path.c_str());
    if (read.outcome == CReadResult::FileError)
        return 0;

    static CSpanMap spans;
    NormalizeSpans(doc.m_cells, doc.m_hLines, doc.m_vLines, spans);
    for (int r = 1; r <= MAX_CELLS; ++r)
        for (int c = 1; c <= MAX_CELLS; ++c)
            if (const CCellData* rec = doc.m_cells.GetCell(c, r))
                Check(rec->text.size() <= MAX_TEXT_BYTES && rec->colspan >= 1 &&
                          rec->rowspan >= 1 && rec->hplace <= 2 && rec->vplace <= 2,
                      "record fields in range");

    const std::string first = doc.SerializeToBytes();
    {
        // The writer's bytes are read to their end by the native reader.
        CArchiveReader ar{std::string_view(first)};
        CCellArray cells;
        CLineArray h, v;
        CCellSize sizes;
        ReadNativeSections(ar, ReadFraming(ar), cells, h, v, sizes);
        Check(ar.AtEnd(), "written file read to its end");
    }
    doc.SerializeFromBytes(first);
    Check(doc.SerializeToBytes() == first, "write, read, write gives the same bytes");
    return 0;
}
