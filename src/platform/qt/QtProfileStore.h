#pragma once

#include "ProfileStore.h"

#include <QSettings>

// Settings over QSettings (organisation "KESTA", application "Visual Brindle"); each section is
// a group. Strings are kept as Unicode and handed out as code page 932.
class CQtProfileStore : public IProfileStore {
public:
    CQtProfileStore();
    // A store in an INI file of its own (tests).
    explicit CQtProfileStore(const QString& iniPath);

    int GetInt(const std::string& section, const std::string& key, int def) override;
    bool WriteInt(const std::string& section, const std::string& key, int value) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& def) override;
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

private:
    QSettings m_settings;
};
