#include "SettingsStore.h"

#include "FileIo.h"
#include "ProfileStore.h"
#include "Settings.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

constexpr const char* REG_SECTION = "BrindleReg";
constexpr const char* REG_KEY = "Registry";

// A folder or a device of the old names is no INI file.
bool Readable(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    return in.is_open();
}

} // namespace

std::string IniFolder(const GetEnvFunction& getEnv) {
    if (const char* dir = getEnv("BRINDLE_WINDIR"); dir && dir[0] != '\0')
        return dir;
    if (const char* xdg = getEnv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/')
        return std::string(xdg) + "/visual-brindle";
    if (const char* home = getEnv("HOME"); home && home[0] != '\0')
        return std::string(home) + "/.config/visual-brindle";
    return {};
}

CSettingsLoad::CSettingsLoad(IProfileStore& registry, const std::string& iniFolder,
                             const std::string& ownIniName)
    : m_registry(registry) {
    if (iniFolder.empty())
        return;
    const std::string dir = iniFolder.back() == '/' ? iniFolder : iniFolder + "/";
    std::string name = CURRENT_INI_NAME;
    m_source = dir + name;
    if (!(IsWritableFile(m_source) && Readable(m_source))) {
        name = OLD_INI_NAME;
        m_source = dir + name;
        if (!Readable(m_source)) {
            m_source.clear();
            return;
        }
    }

    // The working copy; where it cannot be written the old file is read in its place.
    std::string bytes;
    std::string own = dir + ownIniName;
    if (ReadWholeFile(m_source, bytes).ok && ReplaceFileContent(own, bytes).ok)
        m_copy = own;
    m_ini = std::make_unique<CIniProfileStore>(m_copy.empty() ? m_source : m_copy);
    if (m_ini->GetInt(REG_SECTION, REG_KEY, 0) != 0 ||
        m_registry.GetString(DESKTOP_SECTION, KEY_MOVED_INI, "") == name)
        return;

    // The first start after an upgrade: read from the copy, and mark the old file as moved.
    m_iniMode = true;
    const bool marked = m_ini->WriteInt(REG_SECTION, REG_KEY, 1) &&
                        (m_copy.empty() || ReplaceFileContent(m_source, m_ini->Bytes()).ok);
    if (!marked)
        m_registry.WriteString(DESKTOP_SECTION, KEY_MOVED_INI, name);
}

CSettingsLoad::~CSettingsLoad() {
    Finish();
}

IProfileStore& CSettingsLoad::Store() {
    return m_iniMode ? static_cast<IProfileStore&>(*m_ini) : m_registry;
}

void CSettingsLoad::Finish() {
    m_iniMode = false;
    m_ini.reset();
    if (!m_copy.empty()) {
        std::remove(m_copy.c_str());
        m_copy.clear();
    }
}
