#pragma once
// Every key of "tallow.ini": its section, name, kind and the value used when
// the key is missing. A key read with two different defaults by two readers
// has one entry per reader, named for it.

#include <array>
#include <string_view>

namespace tallow {

enum class SettingType {
    Flag,    // "0" or "1"
    Number,  // decimal
    Text,    // folders, file paths, digits kept as typed
    Font,    // the font's own persistent string form; no default
};

struct SettingKey {
    std::string_view section;
    std::string_view name;
    SettingType type;
    std::string_view defaultValue;
};

inline constexpr std::string_view kMainSection = "JX";
inline constexpr std::string_view kClipboardSection = "CLIPBOARD";

// The recently-used file list lives in this section of the file named by
// RecentFilesPath(), newest first (kRecentFileKeys).
inline constexpr std::string_view kRecentFilesSection = "Recent File List";

namespace keys {

constexpr SettingKey Flag(std::string_view name, std::string_view defaultValue) {
    return {kMainSection, name, SettingType::Flag, defaultValue};
}
constexpr SettingKey Number(std::string_view name, std::string_view defaultValue) {
    return {kMainSection, name, SettingType::Number, defaultValue};
}
constexpr SettingKey Text(std::string_view name, std::string_view defaultValue) {
    return {kMainSection, name, SettingType::Text, defaultValue};
}

inline constexpr SettingKey Grid = Flag("Grid", "0");
inline constexpr SettingKey Layovers = Flag("Layovers", "1");
inline constexpr SettingKey AutoSave = Flag("AutoSave", "1");
inline constexpr SettingKey RemindBackup = Flag("RemindBackup", "1");
inline constexpr SettingKey PrintXesInPreferences = Flag("PrintXes", "1");
inline constexpr SettingKey PrintXesWhenPrinting = Flag("PrintXes", "0");
inline constexpr SettingKey ShowFullPair = Flag("ShowFullPair", "0");
inline constexpr SettingKey ShowFullLayOver = Flag("ShowFullLayOver", "0");
inline constexpr SettingKey HoldCtrlKey = Flag("HoldCtrlKey", "1");
inline constexpr SettingKey AllowIllegal = Flag("AllowIllegal", "1");
inline constexpr SettingKey DisableFTP = Flag("DisableFTP", "0");
inline constexpr SettingKey DebugFile = Flag("DebugFile", "0");
inline constexpr SettingKey XPaddingAtSetUp = Text("XPadding", "09");
inline constexpr SettingKey XPaddingInPreferences = Text("XPadding", "10");
inline constexpr SettingKey YPaddingAtSetUp = Text("YPadding", "05");
inline constexpr SettingKey YPaddingInPreferences = Text("YPadding", "07");
inline constexpr SettingKey Font = {kMainSection, "Font", SettingType::Font, ""};
inline constexpr SettingKey CustomColors =
    Text("CustomColors",
         "000,000,000,000,000,255,255,000,000,128,000,128,000,255,000,255,255,000,128,255,255,000,"
         "000,000,000,000,255,000,000,000,255,000,000,192,192,192,192,192,192");
inline constexpr SettingKey BidWinX = Number("BidWinX", "200");
inline constexpr SettingKey BidWinY = Number("BidWinY", "300");
inline constexpr SettingKey BidWinW = Number("BidWinW", "300");
inline constexpr SettingKey BidWinH = Number("BidWinH", "200");
inline constexpr SettingKey HideLeaveBlocks = Flag("HideLeaveBlocks", "0");
inline constexpr SettingKey HideCompleted = Flag("HideCompleted", "0");
inline constexpr SettingKey HideCheckPilots = Flag("HideCheckPilots", "0");
inline constexpr SettingKey HideBlockHolders = Flag("HideBlockHolders", "0");
inline constexpr SettingKey ShowBlockHolders = Flag("ShowBlockHolders", "0");
inline constexpr SettingKey ShowCCP = Flag("ShowCCP", "0");
inline constexpr SettingKey ShowLTC = Flag("ShowLTC", "0");
inline constexpr SettingKey FilterSearch = Flag("FilterSearch", "0");
inline constexpr SettingKey NameCheck = Flag("NameCheck", "1");
inline constexpr SettingKey EmpNumCheck = Flag("EmpNumCheck", "1");
inline constexpr SettingKey PairCheck = Flag("PairCheck", "1");
inline constexpr SettingKey BidCheck = Flag("BidCheck", "1");
inline constexpr SettingKey BuildingBase = Number("BuildingBase", "4");
inline constexpr SettingKey BuildingEqp = Number("BuildingEqp", "1");
inline constexpr SettingKey BuildingStatus = Number("BuildingStatus", "0");
inline constexpr SettingKey LastBlkPath = Text("LastBlkPath", "c:\\");
inline constexpr SettingKey LastBlkDrive = Number("LastBlkDrive", "30");
inline constexpr SettingKey LastBackupPath = Text("LastBackupPath", "C:\\");
inline constexpr SettingKey LastBackupDateTimeOpt = Flag("LastBackupDateTimeOpt", "1");
// Read and written under this spelling; other spellings in the file still match.
inline constexpr SettingKey LastPRGPath = Text("LastPrgPath", "C:\\");
inline constexpr SettingKey LastRosterPath = Text("LastRosterPath", "");
inline constexpr SettingKey LastCrewAbsPath = Text("LastCrewAbsPath", "");
inline constexpr SettingKey LastOverlapDataPath = Text("LastOverlapDataPath", "");
inline constexpr SettingKey LastFrenchPath = Text("LastFrenchPath", "");
inline constexpr SettingKey LastBoxPath = Text("LastBoxPath", "");
inline constexpr SettingKey LastBAWPath = Text("LastBAWPath", "");
inline constexpr SettingKey ClipPairs = {kClipboardSection, "ClipPairs", SettingType::Flag, "0"};
inline constexpr SettingKey ClipXes = {kClipboardSection, "ClipXes", SettingType::Flag, "0"};

}  // namespace keys

inline constexpr std::array kAllSettingKeys = {
    keys::Grid,
    keys::Layovers,
    keys::AutoSave,
    keys::RemindBackup,
    keys::PrintXesInPreferences,
    keys::PrintXesWhenPrinting,
    keys::ShowFullPair,
    keys::ShowFullLayOver,
    keys::HoldCtrlKey,
    keys::AllowIllegal,
    keys::DisableFTP,
    keys::DebugFile,
    keys::XPaddingAtSetUp,
    keys::XPaddingInPreferences,
    keys::YPaddingAtSetUp,
    keys::YPaddingInPreferences,
    keys::Font,
    keys::CustomColors,
    keys::BidWinX,
    keys::BidWinY,
    keys::BidWinW,
    keys::BidWinH,
    keys::HideLeaveBlocks,
    keys::HideCompleted,
    keys::HideCheckPilots,
    keys::HideBlockHolders,
    keys::ShowBlockHolders,
    keys::ShowCCP,
    keys::ShowLTC,
    keys::FilterSearch,
    keys::NameCheck,
    keys::EmpNumCheck,
    keys::PairCheck,
    keys::BidCheck,
    keys::BuildingBase,
    keys::BuildingEqp,
    keys::BuildingStatus,
    keys::LastBlkPath,
    keys::LastBlkDrive,
    keys::LastBackupPath,
    keys::LastBackupDateTimeOpt,
    keys::LastPRGPath,
    keys::LastRosterPath,
    keys::LastCrewAbsPath,
    keys::LastOverlapDataPath,
    keys::LastFrenchPath,
    keys::LastBoxPath,
    keys::LastBAWPath,
    keys::ClipPairs,
    keys::ClipXes,
};

inline constexpr std::array kRecentFileKeys = {
    SettingKey{kRecentFilesSection, "File1", SettingType::Text, ""},
    SettingKey{kRecentFilesSection, "File2", SettingType::Text, ""},
    SettingKey{kRecentFilesSection, "File3", SettingType::Text, ""},
    SettingKey{kRecentFilesSection, "File4", SettingType::Text, ""},
};

}  // namespace tallow
