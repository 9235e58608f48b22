#pragma once

#include "FakePlatform.h"
#include "MyDoc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace doctest {

inline std::string DataPath(const std::string& name) {
    return std::string(BRINDLE_TEST_DATA) + "/document/" + name;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Code page 932 bytes of a UTF-8 literal.
std::string Cp932(const std::string& utf8);

// A scratch folder per test, removed afterwards.
class CScratchDir {
public:
    CScratchDir();
    ~CScratchDir();
    CScratchDir(const CScratchDir&) = delete;
    CScratchDir& operator=(const CScratchDir&) = delete;
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        WriteBytes(Path(name), bytes);
        return Path(name);
    }

private:
    std::filesystem::path m_dir;
};

// A document wired to scripted fakes.
struct CDocFixture {
    CFakeMessageBox messageBox;
    CFakeFileDialog fileDialog;
    CFakeFileTypeQuestion fileType;
    CMyDoc doc{messageBox, fileDialog, fileType};
};

// Messages of the readers and the document, as the user sees them (UTF-8).
inline const std::string kAskSave = "現在編集中のデータを保存しますか？";
inline const std::string kNoCsvSave = "CSV形式での保存は出来ません。";
inline const std::string kOldFormat =
    "旧<Brindle>形式として認識しました。\n保存する時，自動的に新<Brindle>形式に変換されます。";
inline const std::string kOldFormatBroken =
    "読み込みに失敗しました!\nファイルが壊れている可能性があります！";
inline const std::string kFallbackFileError = "ファイルの読み込みに失敗しちゃいましたよーだ！";
inline const std::string kCannotOpen = "\n指定のファイルを開けません！";

} // namespace doctest
