#include "TempFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdlib.h>
#include <system_error>
#include <vector>

CTempFolder::CTempFolder(const std::string& root) {
    std::error_code ec;
    std::string base = root;
    if (base.empty())
        base = std::filesystem::temp_directory_path(ec).string();
    if (base.empty())
        base = "/tmp";
    std::string pattern = base + "/" + TEMP_FOLDER_PREFIX + "XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (::mkdtemp(buf.data()))
        m_path = buf.data();
    else
        m_error = "cannot make a temporary folder in " + base + ": " + std::strerror(errno);
}

CTempFolder::~CTempFolder() {
    if (m_path.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}
