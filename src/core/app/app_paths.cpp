#include "core/app/app_paths.h"

#include <cstdlib>
#include <filesystem>

namespace tallow {

namespace {

constexpr const char* kAppFolderName = "tallowbright";

std::optional<std::string> NonEmpty(const Environment& env, const char* name) {
    std::optional<std::string> value = env(name);
    if (value && value->empty()) {
        return std::nullopt;
    }
    return value;
}

// The XDG folders must be absolute; a relative value is ignored like an unset one.
std::string XdgFolder(const Environment& env, const char* name, const char* homeRelative) {
    std::optional<std::string> value = NonEmpty(env, name);
    if (value && value->front() == '/') {
        return *value;
    }
    return (std::filesystem::path(HomeFolder(env)) / homeRelative).string();
}

}  // namespace

Environment ProcessEnvironment() {
    return [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (value == nullptr) {
            return std::nullopt;
        }
        return std::string(value);
    };
}

std::string HomeFolder(const Environment& env) {
    return NonEmpty(env, "HOME").value_or("/");
}

std::string ConfigFolder(const Environment& env) {
    if (std::optional<std::string> overridden = NonEmpty(env, "TALLOW_CONFIG_DIR")) {
        return *overridden;
    }
    return (std::filesystem::path(XdgFolder(env, "XDG_CONFIG_HOME", ".config")) / kAppFolderName)
        .string();
}

std::string SettingsPath(const Environment& env) {
    return (std::filesystem::path(ConfigFolder(env)) / kSettingsFileName).string();
}

std::string RecentFilesPath(const Environment& env) {
    return SettingsPath(env);
}

std::string EventLogFolder(const Environment& env) {
    return (std::filesystem::path(XdgFolder(env, "XDG_STATE_HOME", ".local/state")) /
            kAppFolderName / "JXDebug")
        .string();
}

}  // namespace tallow
