#pragma once

#include <string>

// Per-user settings: named integer and string values in sections.
// Strings are code page 932 bytes. Failures are silent: reads fall back to the default.
class IProfileStore {
public:
    virtual ~IProfileStore() = default;
    virtual int GetInt(const std::string& section, const std::string& key, int def) = 0;
    virtual bool WriteInt(const std::string& section, const std::string& key, int value) = 0;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& def) = 0;
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};
