#include "core/app/ini_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace tallow {
namespace {

using testing::TempFolder;

constexpr const char* kSample =
    "; written by hand\n"
    "[Other]\n"
    "Grid=7\n"
    "\n"
    "[JX]\n"
    "Grid=1\n"
    "  LastPrgPath = /data/prg/V0301.PRG  \n"
    "; between entries\n"
    "XPadding=09\n"
    "\n"
    "[CLIPBOARD]\n"
    "ClipPairs=1\n";

TEST(IniFileTest, FindsSectionsAndKeysWhateverTheirCase) {
    IniFile ini = IniFile::Parse(kSample);
    EXPECT_EQ(ini.Get("JX", "Grid"), "1");
    EXPECT_EQ(ini.Get("jx", "GRID"), "1");
    EXPECT_EQ(ini.Get("Other", "grid"), "7");
    EXPECT_EQ(ini.Get("JX", "LastPRGPath"), "/data/prg/V0301.PRG");
    EXPECT_EQ(ini.Get("Clipboard", "clippairs"), "1");
    EXPECT_EQ(ini.Get("JX", "ClipPairs"), std::nullopt);
    EXPECT_EQ(ini.Get("Missing", "Grid"), std::nullopt);
}

TEST(IniFileTest, UnchangedFileIsWrittenBackByteForByte) {
    EXPECT_EQ(IniFile::Parse(kSample).ToText(), kSample);
}

TEST(IniFileTest, ChangingOneKeyKeepsEveryOtherLineInPlace) {
    IniFile ini = IniFile::Parse(kSample);
    ini.Set("jx", "xpadding", "12");
    ini.Set("JX", "AutoSave", "0");
    ini.Set("CLIPBOARD", "ClipXes", "1");
    ini.Set("Recent File List", "File1", "/home/u/may.jx2");
    EXPECT_EQ(ini.ToText(),
              "; written by hand\n"
              "[Other]\n"
              "Grid=7\n"
              "\n"
              "[JX]\n"
              "Grid=1\n"
              "  LastPrgPath = /data/prg/V0301.PRG  \n"
              "; between entries\n"
              "XPadding=12\n"
              "AutoSave=0\n"
              "\n"
              "[CLIPBOARD]\n"
              "ClipPairs=1\n"
              "ClipXes=1\n"
              "[Recent File List]\n"
              "File1=/home/u/may.jx2\n");
    EXPECT_EQ(IniFile::Parse(ini.ToText()).Get("JX", "AutoSave"), "0");
}

TEST(IniFileTest, NewKeyGoesToAnEmptySectionRightAfterItsHeader) {
    IniFile ini = IniFile::Parse("[JX]\n; nothing yet\n[CLIPBOARD]\n");
    ini.Set("JX", "Grid", "1");
    EXPECT_EQ(ini.ToText(), "[JX]\nGrid=1\n; nothing yet\n[CLIPBOARD]\n");
}

TEST(IniFileTest, RemoveTakesOutOnlyTheMatchingEntries) {
    IniFile ini = IniFile::Parse("[JX]\nGrid=1\ngrid=2\nLayovers=0\n[Other]\nGrid=3\n");
    EXPECT_TRUE(ini.Remove("JX", "GRID"));
    EXPECT_FALSE(ini.Remove("JX", "Grid"));
    EXPECT_EQ(ini.ToText(), "[JX]\nLayovers=0\n[Other]\nGrid=3\n");
}

TEST(IniFileTest, FirstOfDuplicateKeysOrSectionsWins) {
    IniFile ini = IniFile::Parse("[JX]\nGrid=1\n[Other]\n[jx]\nGrid=0\nLayovers=0\n");
    EXPECT_EQ(ini.Get("JX", "Grid"), "1");
    EXPECT_EQ(ini.Get("JX", "Layovers"), "0");
    ini.Set("JX", "Layovers", "1");
    ini.Set("JX", "AutoSave", "1");
    EXPECT_EQ(ini.ToText(), "[JX]\nGrid=1\nAutoSave=1\n[Other]\n[jx]\nGrid=0\nLayovers=1\n");
}

TEST(IniFileTest, CrLfFileIsReadAndWrittenWithCrLf) {
    IniFile ini = IniFile::Parse("[JX]\r\nGrid=1\r\nXPadding=09\r\n");
    EXPECT_EQ(ini.Get("JX", "Grid"), "1");
    EXPECT_EQ(ini.Get("JX", "XPadding"), "09");
    ini.Set("JX", "Grid", "0");
    EXPECT_EQ(ini.ToText(), "[JX]\r\nGrid=0\r\nXPadding=09\r\n");
}

TEST(IniFileTest, LastLineWithoutLineFeedIsRead) {
    IniFile ini = IniFile::Parse("[JX]\nGrid=1\nLayovers=0");
    EXPECT_EQ(ini.Get("JX", "Layovers"), "0");
    ini.Set("JX", "Grid", "0");
    EXPECT_EQ(ini.ToText(), "[JX]\nGrid=0\nLayovers=0\n");
}

TEST(IniFileTest, DamagedLinesAreKeptAndNeverMistakenForEntries) {
    const std::string text =
        "Grid=1\n"  // before any section
        "[JX\n"     // header without its bracket
        "Orphan=1\n"
        "[JX] trailing words\n"
        "no equals sign\n"
        "=value without key\n"
        "\x01\xff\x7f\n"
        "Key=a=b\n"
        "Empty=\n";
    IniFile ini = IniFile::Parse(text);
    EXPECT_EQ(ini.ToText(), text);
    EXPECT_EQ(ini.Get("JX", "Grid"), std::nullopt);
    EXPECT_EQ(ini.Get("JX", "Orphan"), std::nullopt);
    EXPECT_EQ(ini.Get("JX", ""), std::nullopt);
    EXPECT_EQ(ini.Get("JX", "Key"), "a=b");
    EXPECT_EQ(ini.Get("JX", "Empty"), "");
    ini.Set("JX", "Grid", "0");
    EXPECT_EQ(ini.ToText(), text + "Grid=0\n");
}

TEST(IniFileTest, ValueWithLineBreakCannotAddLines) {
    IniFile ini;
    ini.Set("JX", "LastBlkPath", "/home/u\n[Evil]\nGrid=1");
    EXPECT_EQ(ini.ToText(), "[JX]\nLastBlkPath=/home/u\n");
}

TEST(IniFileTest, ArbitraryBytesNeverCrashAndRoundTrip) {
    std::string text;
    for (int i = 0; i < 4096; ++i) {
        text += static_cast<char>((i * 7919 + i / 3) % 256);
    }
    IniFile ini = IniFile::Parse(text);
    ini.Set("JX", "Grid", "1");
    EXPECT_EQ(IniFile::Parse(ini.ToText()).Get("JX", "Grid"), "1");
}

TEST(IniFileTest, LoadAndSaveGoThroughTheFileSystem) {
    TempFolder folder;
    std::string path = folder / "tallow.ini";
    IniFile ini;
    EXPECT_FALSE(ini.Load(path, LocalFiles()));
    TempFolder::Write(path, kSample);
    ASSERT_TRUE(ini.Load(path, LocalFiles()));
    ini.Set("JX", "Grid", "0");
    ASSERT_EQ(ini.Save(path, LocalFiles()), WriteStatus::Ok);
    IniFile again;
    ASSERT_TRUE(again.Load(path, LocalFiles()));
    EXPECT_EQ(again.Get("JX", "Grid"), "0");
    EXPECT_EQ(again.Get("Other", "Grid"), "7");
}

}  // namespace
}  // namespace tallow
