#include "core/app/app_paths.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tallow {
namespace {

struct PathCase {
    const char* what;
    std::map<std::string, std::string> vars;
    const char* config;
    const char* eventLog;
};

const PathCase kPathCases[] = {
    {"home defaults",
     {{"HOME", "/home/u"}},
     "/home/u/.config/tallowbright",
     "/home/u/.local/state/tallowbright/JXDebug"},
    {"XDG folders",
     {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_STATE_HOME", "/state"}},
     "/cfg/tallowbright",
     "/state/tallowbright/JXDebug"},
    {"empty and relative XDG values are ignored",
     {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", ""}, {"XDG_STATE_HOME", "state"}},
     "/home/u/.config/tallowbright",
     "/home/u/.local/state/tallowbright/JXDebug"},
    {"override wins over XDG and leaves the log alone",
     {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg"}, {"TALLOW_CONFIG_DIR", "/tmp/t1"}},
     "/tmp/t1",
     "/home/u/.local/state/tallowbright/JXDebug"},
    {"empty override is ignored",
     {{"HOME", "/home/u"}, {"TALLOW_CONFIG_DIR", ""}},
     "/home/u/.config/tallowbright",
     "/home/u/.local/state/tallowbright/JXDebug"},
    {"no home at all", {}, "/.config/tallowbright", "/.local/state/tallowbright/JXDebug"},
};

TEST(AppPathsTest, FoldersFollowTheEnvironment) {
    for (const PathCase& c : kPathCases) {
        SCOPED_TRACE(c.what);
        Environment env = [&](const char* name) -> std::optional<std::string> {
            auto found = c.vars.find(name);
            return found == c.vars.end() ? std::nullopt : std::optional<std::string>(found->second);
        };
        EXPECT_EQ(ConfigFolder(env), c.config);
        EXPECT_EQ(SettingsPath(env), std::string(c.config) + "/tallow.ini");
        EXPECT_EQ(RecentFilesPath(env), SettingsPath(env));
        EXPECT_EQ(EventLogFolder(env), c.eventLog);
    }
}

TEST(AppPathsTest, ProcessEnvironmentReadsTheRealEnvironment) {
    Environment env = ProcessEnvironment();
    EXPECT_EQ(env("TALLOW_SURELY_UNSET_VARIABLE_42"), std::nullopt);
    const char* path = std::getenv("PATH");
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(env("PATH"), std::string(path));
}

}  // namespace
}  // namespace tallow
