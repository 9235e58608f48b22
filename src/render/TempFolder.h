#pragma once

#include <string>

// A folder of our own (mode 0700) under root, removed with everything in it when the object goes.
class CTempFolder {
public:
    // root empty: the system's temporary folder. Path() is empty when it could not be made;
    // Error() then says why.
    explicit CTempFolder(const std::string& root);
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    const std::string& Error() const { return m_error; }

private:
    std::string m_path;
    std::string m_error;
};

// Prefix of every folder a render makes.
inline constexpr const char* TEMP_FOLDER_PREFIX = "brindle-render-";
