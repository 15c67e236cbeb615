#include "core/app/settings.h"

#include <filesystem>

#include "core/app/ini_file.h"
#include "core/model/time_text.h"

namespace tallow {

namespace {

bool IsDriveRoot(std::string_view folder) {
    return folder == "c:\\" || folder == "C:\\";
}

}  // namespace

Settings::Settings(std::string path, FileSystem& files, std::string homeFolder)
    : path_(std::move(path)), files_(files), homeFolder_(std::move(homeFolder)) {
    if (homeFolder_.empty() || homeFolder_.back() != '/') {
        homeFolder_ += '/';
    }
}

std::optional<std::string> Settings::Stored(const SettingKey& key) const {
    IniFile ini;
    ini.Load(path_, files_);
    return ini.Get(key.section, key.name);
}

std::string Settings::Default(const SettingKey& key) const {
    if (IsDriveRoot(key.defaultValue)) {
        return homeFolder_;
    }
    return std::string(key.defaultValue);
}

std::string Settings::Text(const SettingKey& key) const {
    return Stored(key).value_or(Default(key));
}

int32_t Settings::Number(const SettingKey& key) const {
    return LeadingInt(Text(key));
}

bool Settings::Flag(const SettingKey& key) const {
    return Number(key) != 0;
}

std::optional<std::string> Settings::Font() const {
    std::optional<std::string> stored = Stored(keys::Font);
    if (stored && stored->empty()) {
        return std::nullopt;
    }
    return stored;
}

bool Settings::SetText(const SettingKey& key, std::string_view value) {
    IniFile ini;
    // A file that exists but cannot be read must not be replaced by one
    // holding only this key.
    if (!ini.Load(path_, files_) && files_.Exists(path_)) {
        return false;
    }
    ini.Set(key.section, key.name, value);
    std::string folder = std::filesystem::path(path_).parent_path().string();
    if (!folder.empty() && !files_.MakeDirectories(folder)) {
        return false;
    }
    return ini.Save(path_, files_) == WriteStatus::Ok;
}

bool Settings::SetNumber(const SettingKey& key, int32_t value) {
    return SetText(key, std::to_string(value));
}

bool Settings::SetFlag(const SettingKey& key, bool value) {
    return SetText(key, value ? "1" : "0");
}

bool Settings::SetFont(std::string_view description) {
    return SetText(keys::Font, description);
}

}  // namespace tallow
