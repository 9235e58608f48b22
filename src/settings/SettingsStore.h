#pragma once

#include "IniProfileStore.h"

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

class IFramePlacement;
class IProfileStore;

// The INI files of the Windows releases, the newer name first, and the program's own INI
// name (its working copy while an old file is taken over).
inline constexpr const char* CURRENT_INI_NAME = "Brindle.INI";
inline constexpr const char* OLD_INI_NAME = "BRD_V17.INI";
inline constexpr const char* OWN_INI_NAME = "visual-brindle.INI";

using GetEnvFunction = std::function<const char*(const char*)>;

// The folder of the old INI files, the "Windows directory": BRINDLE_WINDIR when it is set,
// else $XDG_CONFIG_HOME/visual-brindle (an absolute XDG_CONFIG_HOME only), else
// ~/.config/visual-brindle; empty without a home.
std::string IniFolder(const GetEnvFunction& getEnv = [](const char* name) {
    return static_cast<const char*>(std::getenv(name));
});

// What the view needs to load and save its settings.
struct CSettingsServices {
    // The per-user store; without it the view neither loads nor saves.
    IProfileStore* store = nullptr;
    // The main window; without it its placement is neither restored nor saved.
    IFramePlacement* frame = nullptr;
    // Where old INI files are looked for; empty: nowhere.
    std::string iniFolder;
    // Sets the application name (the name the store is kept under, then the running name).
    std::function<void(const std::string&)> setAppName;
};

// The store one settings load reads from. Normally the per-user store; when the INI folder
// holds an old INI file that is not yet marked as moved (the first start after an upgrade),
// a working copy of it under the program's own INI name, and the old file is marked with
// BrindleReg/Registry = 1. Finish (or the destructor) goes back to the per-user store and
// deletes the working copy.
class CSettingsLoad {
public:
    CSettingsLoad(IProfileStore& registry, const std::string& iniFolder,
                  const std::string& ownIniName = OWN_INI_NAME);
    ~CSettingsLoad();
    CSettingsLoad(const CSettingsLoad&) = delete;
    CSettingsLoad& operator=(const CSettingsLoad&) = delete;

    // Where the values are read from now.
    IProfileStore& Store();
    // This load reads an old INI file.
    bool FromIni() const { return m_iniMode; }
    // The old INI file found, or empty.
    const std::string& Source() const { return m_source; }
    void Finish();

private:
    IProfileStore& m_registry;
    std::unique_ptr<CIniProfileStore> m_ini;
    std::string m_source;
    std::string m_copy;
    bool m_iniMode = false;
};

// Where a source whose mark could not be written is remembered as taken over, in the
// per-user store (its file name), so that it is not taken over again at every start.
inline constexpr const char* KEY_MOVED_INI = "MovedIni";
