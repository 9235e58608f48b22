#pragma once

#include "ProfileStore.h"
#include "TextCodec.h"

#include <string>
#include <vector>

// A private profile file of the Windows kind: "[Section]" lines and "Key=Value" lines below
// them, sections and keys matched without regard to ASCII case, the first match winning.
// The file is read once when the store is made; every write puts the whole file back at once.
// Its text is UTF-8 when it is valid UTF-8, else code page 932 (the files of the Windows
// releases); strings are handed out and taken as code page 932 either way.
class CIniProfileStore : public IProfileStore {
public:
    // A missing or unreadable file is an empty store; writes then create the file.
    explicit CIniProfileStore(std::string path);

    // An integer is an optional sign and decimal digits within 32 bits, with blanks around;
    // anything else reads as the default.
    int GetInt(const std::string& section, const std::string& key, int def) override;
    bool WriteInt(const std::string& section, const std::string& key, int value) override;
    // A value in double quotes is handed out without them.
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& def) override;
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

    const std::string& Path() const { return m_path; }
    // The file's bytes as the store holds them.
    std::string Bytes() const;

private:
    // Index of the line holding key in section, or -1; raw gets its value as written.
    int FindKey(const std::string& section, const std::string& key, std::string* raw) const;
    bool Write(const std::string& section, const std::string& key, const std::string& text);

    std::string m_path;
    std::vector<std::string> m_lines; // without their line ends
    std::string m_eol = "\r\n";
    TextEncoding m_encoding = TextEncoding::Cp932;
    bool m_bom = false;
    bool m_finalEol = true;
};
