#pragma once
// Where the settings file and the event log live: the XDG base folders, with
// TALLOW_CONFIG_DIR overriding the settings folder so that tests and
// portable set-ups can point the program elsewhere.

#include <functional>
#include <optional>
#include <string>

namespace tallow {

// Looks up an environment variable; nullopt when it is not set.
using Environment = std::function<std::optional<std::string>(const char* name)>;

// The process's own environment (std::getenv).
Environment ProcessEnvironment();

inline constexpr const char* kSettingsFileName = "tallow.ini";

// $HOME, or "/" when it is unset or empty.
std::string HomeFolder(const Environment& env = ProcessEnvironment());

// $TALLOW_CONFIG_DIR when set, else $XDG_CONFIG_HOME/tallowbright, else
// ~/.config/tallowbright.
std::string ConfigFolder(const Environment& env = ProcessEnvironment());

// "tallow.ini" in the configuration folder.
std::string SettingsPath(const Environment& env = ProcessEnvironment());

// The recently-used file list shares the settings file, in a section of its
// own (see kRecentFilesSection).
std::string RecentFilesPath(const Environment& env = ProcessEnvironment());

// $XDG_STATE_HOME/tallowbright/JXDebug, else ~/.local/state/tallowbright/JXDebug.
std::string EventLogFolder(const Environment& env = ProcessEnvironment());

}  // namespace tallow
