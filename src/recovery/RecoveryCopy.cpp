#include "RecoveryCopy.h"

#include "CellArray.h"
#include "CellSize.h"
#include "LineArray.h"
#include "NativeFormat.h"

#include <charconv>
#include <ctime>

namespace {

constexpr std::string_view kMagic = "Visual Brindle recovery copy 1\n";
constexpr std::string_view kUntitledName = "Untitled";

const char* KindWord(CRecoveryHeader::Kind kind) {
    switch (kind) {
    case CRecoveryHeader::Native:
        return "native";
    case CRecoveryHeader::Imported:
        return "imported";
    case CRecoveryHeader::Untitled:
        break;
    }
    return "untitled";
}

// Reads the header lines one by one; every failure names what was wrong.
class CHeaderReader {
public:
    explicit CHeaderReader(std::string_view bytes) : m_rest(bytes) {}

    // "KEY VALUE\n": the value.
    std::optional<std::string_view> Line(std::string_view key) {
        const std::size_t end = m_rest.find('\n');
        if (end == std::string_view::npos)
            return Fail("the copy ends early");
        const std::string_view line = m_rest.substr(0, end);
        if (line.size() <= key.size() || line.substr(0, key.size()) != key ||
            line[key.size()] != ' ')
            return Fail("the line \"" + std::string(key) + "\" is missing");
        m_rest.remove_prefix(end + 1);
        return line.substr(key.size() + 1);
    }
    std::optional<std::uint64_t> Number(std::string_view key) {
        const std::optional<std::string_view> text = Line(key);
        if (!text)
            return std::nullopt;
        std::uint64_t n = 0;
        const auto [p, ec] = std::from_chars(text->data(), text->data() + text->size(), n);
        if (ec != std::errc() || p != text->data() + text->size())
            return Fail("the line \"" + std::string(key) + "\" holds no number");
        return n;
    }
    // "KEY LENGTH\n" and that many bytes.
    std::optional<std::string_view> Block(std::string_view key) {
        const std::optional<std::uint64_t> length = Number(key);
        if (!length)
            return std::nullopt;
        if (*length > m_rest.size())
            return Fail("the copy ends early");
        const std::string_view block = m_rest.substr(0, *length);
        m_rest.remove_prefix(*length);
        return block;
    }
    bool Expect(std::string_view text) {
        if (m_rest.substr(0, text.size()) != text) {
            Fail(m_rest.size() < text.size() && text.substr(0, m_rest.size()) == m_rest
                     ? "the copy ends early"
                     : "it is not a recovery copy");
            return false;
        }
        m_rest.remove_prefix(text.size());
        return true;
    }
    std::string_view Rest() const { return m_rest; }
    const std::string& Reason() const { return m_reason; }

private:
    std::nullopt_t Fail(const std::string& reason) {
        if (m_reason.empty())
            m_reason = reason;
        return std::nullopt;
    }
    std::string_view m_rest;
    std::string m_reason;
};

// The native reader over scratch objects: the same reader the document uses.
bool IsCompleteTable(std::string_view bytes, std::string& reason) {
    CCellArray cells;
    CLineArray hLines, vLines;
    CCellSize sizes;
    CArchiveReader ar{bytes};
    try {
        if (ReadFraming(ar) != NativeFraming::Current) {
            reason = "its table is not in the native format";
            return false;
        }
        ReadNativeSections(ar, NativeFraming::Current, cells, hLines, vLines, sizes);
    } catch (const CArchiveException& e) {
        reason = e.GetCause() == CArchiveException::endOfFile ? "its table ends early" : e.what();
        return false;
    }
    if (!ar.AtEnd()) {
        reason = "bytes follow its table";
        return false;
    }
    return true;
}

} // namespace

std::string EncodeRecoveryCopy(const CRecoveryHeader& header, std::string_view nativeBytes) {
    std::string out(kMagic);
    out += "owner " + header.owner.ToString() + "\n";
    out += "saved " + std::to_string(header.savedAt < 0 ? 0 : header.savedAt) + "\n";
    out += std::string("kind ") + KindWord(header.kind) + "\n";
    out += "path " + std::to_string(header.path.size()) + "\n";
    out += header.path;
    out += "\ndata " + std::to_string(nativeBytes.size()) + "\n";
    out.reserve(out.size() + nativeBytes.size());
    out += nativeBytes;
    return out;
}

std::optional<CRecoveryCopy> DecodeRecoveryCopy(std::string_view bytes, std::string& reason) {
    reason.clear();
    CHeaderReader in(bytes);
    CRecoveryCopy copy;
    const auto fail = [&](std::string why) -> std::optional<CRecoveryCopy> {
        reason = std::move(why);
        return std::nullopt;
    };
    if (!in.Expect(kMagic))
        return fail(in.Reason());
    const std::optional<std::string_view> owner = in.Line("owner");
    if (!owner)
        return fail(in.Reason());
    const std::optional<CProcessId> id = CProcessId::Parse(*owner);
    if (!id)
        return fail("the owner is not a process");
    copy.header.owner = *id;
    const std::optional<std::uint64_t> saved = in.Number("saved");
    if (!saved)
        return fail(in.Reason());
    copy.header.savedAt = static_cast<std::int64_t>(*saved);
    const std::optional<std::string_view> kind = in.Line("kind");
    if (!kind)
        return fail(in.Reason());
    if (*kind == "native")
        copy.header.kind = CRecoveryHeader::Native;
    else if (*kind == "imported")
        copy.header.kind = CRecoveryHeader::Imported;
    else if (*kind == "untitled")
        copy.header.kind = CRecoveryHeader::Untitled;
    else
        return fail("the kind \"" + std::string(*kind) + "\" is unknown");
    const std::optional<std::string_view> path = in.Block("path");
    if (!path || !in.Expect("\n"))
        return fail(in.Reason());
    copy.header.path = *path;
    if (copy.header.kind != CRecoveryHeader::Untitled && copy.header.path.empty())
        return fail("the path is missing");
    const std::optional<std::string_view> data = in.Block("data");
    if (!data)
        return fail(in.Reason());
    if (!in.Rest().empty())
        return fail("bytes follow its table");
    if (!IsCompleteTable(*data, reason))
        return std::nullopt;
    copy.nativeBytes = *data;
    return copy;
}

std::string RecoveryDocumentName(const CRecoveryHeader& header) {
    if (header.kind == CRecoveryHeader::Untitled)
        return std::string(kUntitledName);
    const std::size_t slash = header.path.rfind('/');
    const std::string name =
        slash == std::string::npos ? header.path : header.path.substr(slash + 1);
    return name.empty() ? header.path : name;
}

std::string RecoveryTimeText(std::int64_t savedAt) {
    const std::time_t t = static_cast<std::time_t>(savedAt);
    std::tm local{};
    if (!::localtime_r(&t, &local))
        return std::to_string(savedAt);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &local);
    return text;
}
