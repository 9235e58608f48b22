#pragma once

#include "FakePlatform.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

// A folder of its own for one test, removed with everything in it.
struct CTempFolder {
    std::filesystem::path path;
    CTempFolder() {
        path = std::filesystem::temp_directory_path() /
               ("brindle_settings_" + std::to_string(::getpid()) + "_" +
                std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(path);
    }
    ~CTempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string File(const std::string& name) const { return (path / name).string(); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(path / name); }
};

// The in-memory store that also records the order of the keys asked and written.
class CRecordingProfileStore : public CFakeProfileStore {
public:
    std::vector<std::string> reads;
    std::vector<std::string> writes;

    int GetInt(const std::string& section, const std::string& key, int def) override {
        reads.push_back(section + "/" + key);
        return CFakeProfileStore::GetInt(section, key, def);
    }
    bool WriteInt(const std::string& section, const std::string& key, int value) override {
        writes.push_back(section + "/" + key);
        return CFakeProfileStore::WriteInt(section, key, value);
    }
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& def) override {
        reads.push_back(section + "/" + key);
        return CFakeProfileStore::GetString(section, key, def);
    }
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        writes.push_back(section + "/" + key);
        return CFakeProfileStore::WriteString(section, key, value);
    }
};
