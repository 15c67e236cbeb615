#include "core/app/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/app/app_paths.h"
#include "core/app/custom_colors.h"
#include "support/temp_folder.h"

namespace tallow {
namespace {

using testing::TempFolder;

constexpr const char* kHome = "/home/scheduler";

// The machine's files, except that reads or writes can be made to fail.
class FaultyFiles final : public FileSystem {
  public:
    bool ReadFile(const std::string& path, std::string& contents) override {
        return !failReads && LocalFiles().ReadFile(path, contents);
    }
    WriteStatus WriteFileAtomically(const std::string& path, std::string_view bytes) override {
        ++writes;
        return failWrites ? WriteStatus::WriteFailed
                          : LocalFiles().WriteFileAtomically(path, bytes);
    }
    bool Exists(const std::string& path) override { return LocalFiles().Exists(path); }
    bool MakeDirectories(const std::string& path) override {
        return LocalFiles().MakeDirectories(path);
    }
    bool Rename(const std::string& from, const std::string& to) override {
        return LocalFiles().Rename(from, to);
    }

    bool failReads = false;
    bool failWrites = false;
    int writes = 0;
};

class SettingsTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    std::string path_ = folder_ / "tallow.ini";
    FaultyFiles files_;
    Settings settings_{path_, files_, kHome};
};

TEST_F(SettingsTest, WithoutAFileEveryKeyGivesItsDefault) {
    for (const SettingKey& key : kAllSettingKeys) {
        SCOPED_TRACE(std::string(key.name));
        std::string expected(key.defaultValue);
        if (expected == "c:\\" || expected == "C:\\") {
            expected = std::string(kHome) + "/";
        }
        EXPECT_EQ(settings_.Text(key), expected);
    }
    EXPECT_FALSE(settings_.Flag(keys::Grid));
    EXPECT_TRUE(settings_.Flag(keys::Layovers));
    EXPECT_TRUE(settings_.Flag(keys::PrintXesInPreferences));
    EXPECT_FALSE(settings_.Flag(keys::PrintXesWhenPrinting));
    EXPECT_EQ(settings_.Text(keys::XPaddingAtSetUp), "09");
    EXPECT_EQ(settings_.Text(keys::XPaddingInPreferences), "10");
    EXPECT_EQ(settings_.Text(keys::YPaddingAtSetUp), "05");
    EXPECT_EQ(settings_.Text(keys::YPaddingInPreferences), "07");
    EXPECT_EQ(settings_.Number(keys::BidWinY), 300);
    EXPECT_EQ(settings_.Number(keys::LastBlkDrive), 30);
    EXPECT_EQ(settings_.Number(keys::BuildingBase), 4);
    EXPECT_EQ(settings_.Text(keys::LastBlkPath), "/home/scheduler/");
    EXPECT_EQ(settings_.Text(keys::LastPRGPath), "/home/scheduler/");
    EXPECT_EQ(settings_.Font(), std::nullopt);
    EXPECT_EQ(ReadCustomColors(settings_.Text(keys::CustomColors)), kDefaultCustomColors);
    EXPECT_FALSE(LocalFiles().Exists(path_)) << "reading must not create the file";
}

TEST_F(SettingsTest, ReadsStoredValuesByType) {
    TempFolder::Write(path_,
                      "[JX]\r\n"
                      "GRID=1\r\n"
                      "Layovers=0\r\n"
                      "DebugFile=2\r\n"
                      "AutoSave=\r\n"
                      "BidWinX= 250px\r\n"
                      "BidWinY=-40\r\n"
                      "BidWinW=wide\r\n"
                      "XPadding=3\r\n"
                      "LASTPRGPATH=/data/prg/V0301.PRG\r\n"
                      "LastBlkPath=/data/blocks/\r\n"
                      "Font=Liberation Sans,10,-1,5,700,0,0,0,0,0\r\n"
                      "ClipPairs=1\r\n"
                      "[CLIPBOARD]\r\n"
                      "ClipXes=1\r\n");
    EXPECT_TRUE(settings_.Flag(keys::Grid));
    EXPECT_FALSE(settings_.Flag(keys::Layovers));
    EXPECT_TRUE(settings_.Flag(keys::DebugFile));
    // Present but empty is a value, not a missing key.
    EXPECT_FALSE(settings_.Flag(keys::AutoSave));
    EXPECT_EQ(settings_.Number(keys::BidWinX), 250);
    EXPECT_EQ(settings_.Number(keys::BidWinY), -40);
    EXPECT_EQ(settings_.Number(keys::BidWinW), 0);
    EXPECT_EQ(settings_.Number(keys::BidWinH), 200);
    EXPECT_EQ(settings_.Text(keys::XPaddingAtSetUp), "3");
    EXPECT_EQ(settings_.Text(keys::XPaddingInPreferences), "3");
    EXPECT_EQ(settings_.Text(keys::LastPRGPath), "/data/prg/V0301.PRG");
    EXPECT_EQ(settings_.Text(keys::LastBlkPath), "/data/blocks/");
    EXPECT_EQ(settings_.Font(), "Liberation Sans,10,-1,5,700,0,0,0,0,0");
    // The clipboard options belong to their own section only.
    EXPECT_FALSE(settings_.Flag(keys::ClipPairs));
    EXPECT_TRUE(settings_.Flag(keys::ClipXes));
}

TEST_F(SettingsTest, WritingOneKeyKeepsTheRestOfTheFile) {
    TempFolder::Write(path_,
                      "; kept\n"
                      "[JX]\n"
                      "Grid=0\n"
                      "Unknown=yes\n"
                      "\n"
                      "[Elsewhere]\n"
                      "Grid=5\n");
    ASSERT_TRUE(settings_.SetFlag(keys::Grid, true));
    ASSERT_TRUE(settings_.SetNumber(keys::BidWinX, -12));
    ASSERT_TRUE(settings_.SetText(keys::LastPRGPath, "/data/V0301.PRG"));
    ASSERT_TRUE(settings_.SetFlag(keys::ClipXes, true));
    EXPECT_EQ(TempFolder::Read(path_),
              "; kept\n"
              "[JX]\n"
              "Grid=1\n"
              "Unknown=yes\n"
              "BidWinX=-12\n"
              "LastPrgPath=/data/V0301.PRG\n"
              "\n"
              "[Elsewhere]\n"
              "Grid=5\n"
              "[CLIPBOARD]\n"
              "ClipXes=1\n");
    EXPECT_TRUE(settings_.Flag(keys::Grid));
    EXPECT_EQ(settings_.Number(keys::BidWinX), -12);
}

TEST_F(SettingsTest, FontIsStoredInItsOwnTextForm) {
    ASSERT_TRUE(settings_.SetFont("DejaVu Sans,9,-1,5,400,0,0,0,0,0"));
    EXPECT_EQ(settings_.Font(), "DejaVu Sans,9,-1,5,400,0,0,0,0,0");
}

TEST_F(SettingsTest, TwoHoldersOfTheSameFileKeepEachOthersChanges) {
    Settings recent(path_, files_, kHome);
    ASSERT_TRUE(settings_.SetFlag(keys::Grid, true));
    ASSERT_TRUE(recent.SetText(kRecentFileKeys[0], "/data/may.jx2"));
    ASSERT_TRUE(settings_.SetFlag(keys::Layovers, false));
    EXPECT_EQ(recent.Text(kRecentFileKeys[0]), "/data/may.jx2");
    EXPECT_TRUE(recent.Flag(keys::Grid));
    EXPECT_FALSE(settings_.Flag(keys::Layovers));
}

TEST_F(SettingsTest, FailedWriteLeavesTheOldFile) {
    const std::string before = "[JX]\nGrid=0\nLayovers=1\n";
    TempFolder::Write(path_, before);
    files_.failWrites = true;
    EXPECT_FALSE(settings_.SetFlag(keys::Grid, true));
    EXPECT_EQ(TempFolder::Read(path_), before);
    EXPECT_FALSE(settings_.Flag(keys::Grid));
}

TEST_F(SettingsTest, UnreadableFileIsNotReplacedByOneHoldingOnlyTheNewKey) {
    const std::string before = "[JX]\nGrid=0\nLayovers=0\n";
    TempFolder::Write(path_, before);
    files_.failReads = true;
    EXPECT_TRUE(settings_.Flag(keys::Layovers)) << "unreadable file gives defaults";
    EXPECT_FALSE(settings_.SetFlag(keys::Grid, true));
    EXPECT_EQ(files_.writes, 0);
    EXPECT_EQ(TempFolder::Read(path_), before);
}

TEST_F(SettingsTest, FolderInPlaceOfTheFileGivesDefaultsAndRefusesWrites) {
    std::filesystem::create_directories(path_);
    EXPECT_TRUE(settings_.Flag(keys::NameCheck));
    EXPECT_FALSE(settings_.SetFlag(keys::NameCheck, false));
    EXPECT_EQ(files_.writes, 0);
    EXPECT_TRUE(std::filesystem::is_directory(path_));
}

TEST_F(SettingsTest, WriteCreatesTheMissingConfigFolder) {
    Settings nested(folder_ / "config/tallowbright/tallow.ini", files_, kHome);
    ASSERT_TRUE(nested.SetNumber(keys::BuildingBase, 8));
    EXPECT_EQ(TempFolder::Read(folder_ / "config/tallowbright/tallow.ini"),
              "[JX]\nBuildingBase=8\n");
}

TEST_F(SettingsTest, FolderThatCannotBeCreatedFailsTheWrite) {
    TempFolder::Write(folder_ / "plain-file", "not a folder");
    Settings blocked(folder_ / "plain-file/tallow.ini", files_, kHome);
    EXPECT_FALSE(blocked.SetFlag(keys::Grid, true));
    EXPECT_FALSE(blocked.Flag(keys::Grid));
}

TEST_F(SettingsTest, ConfigFolderOverrideLocatesTheFile) {
    TempFolder::Write(path_, "[JX]\nBuildingEqp=3\n");
    std::map<std::string, std::string> vars = {{"HOME", kHome},
                                               {"TALLOW_CONFIG_DIR", folder_.Path().string()}};
    Environment env = [&](const char* name) -> std::optional<std::string> {
        auto found = vars.find(name);
        return found == vars.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
    Settings located(SettingsPath(env), files_, HomeFolder(env));
    EXPECT_EQ(located.Path(), path_);
    EXPECT_EQ(located.Number(keys::BuildingEqp), 3);
    EXPECT_EQ(located.Text(keys::LastBackupPath), "/home/scheduler/");
}

}  // namespace
}  // namespace tallow
