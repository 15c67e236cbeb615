#pragma once
// Typed access to "tallow.ini". Every read and every write goes to the file,
// as the system's profile functions do, so two holders of the same file (the
// settings and the recently-used list) never undo each other's changes.
// A missing file or key gives the key's default.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/setting_keys.h"
#include "core/platform/file_system.h"

namespace tallow {

class Settings {
  public:
    // `homeFolder` stands in for the drive-root defaults ("c:\").
    Settings(std::string path, FileSystem& files, std::string homeFolder);

    const std::string& Path() const { return path_; }

    std::string Text(const SettingKey& key) const;
    // Leading decimal number of the value, 0 when it has none.
    int32_t Number(const SettingKey& key) const;
    bool Flag(const SettingKey& key) const;
    // The font's persistent form; nullopt when none was chosen yet.
    std::optional<std::string> Font() const;

    // Each writer stores the value and saves the file at once; false when the
    // file could not be written, in which case it is left as it was.
    bool SetText(const SettingKey& key, std::string_view value);
    bool SetNumber(const SettingKey& key, int32_t value);
    bool SetFlag(const SettingKey& key, bool value);
    bool SetFont(std::string_view description);

  private:
    std::optional<std::string> Stored(const SettingKey& key) const;
    std::string Default(const SettingKey& key) const;

    std::string path_;
    FileSystem& files_;
    std::string homeFolder_;
};

}  // namespace tallow
