#include "DocTestUtil.h"

#include "TextCodec.h"

#include <atomic>
#include <unistd.h>

namespace doctest {

std::string Cp932(const std::string& utf8) {
    const auto bytes = Utf8ToCp932(utf8);
    EXPECT_TRUE(bytes.has_value()) << utf8;
    return bytes.value_or(std::string());
}

CScratchDir::CScratchDir() {
    static std::atomic<int> serial{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "brindle-doc-" + std::to_string(::getpid()) + "-" +
                       std::to_string(serial++) + "-" + (info ? info->name() : "x");
    for (char& ch : name)
        if (ch == '/')
            ch = '_';
    m_dir = std::filesystem::path(::testing::TempDir()) / name;
    std::filesystem::create_directories(m_dir);
}

CScratchDir::~CScratchDir() {
    std::error_code ec;
    std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_dir, ec);
}

} // namespace doctest
