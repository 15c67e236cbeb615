#include <filesystem>
#include <string>

#include "core/app/settings.h"
#include "core/import/roster_import.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"

namespace tallow {
namespace {

constexpr const char* kCaption = "Tallowbright";
constexpr const char* kCheckQuestion =
    "This May Not Be a Valid Employee Record Extract! Do You Want to Try Load it Anyway";

const FileChooser kRosterChooser{
    "Load Crew Roster from Extract",
    "Vellumix Extract Files (*perp.ext *perc.ext)|*perp.ext;*perc.ext|All Files (*.*)|*.*", "", ""};

}  // namespace

bool LoadRosterExtract(TSchedule& schedule, Desktop& desktop, FileSystem& files,
                       Settings& settings) {
    // The old roster goes first, whatever happens next.
    if (schedule.employeeCount != 0) {
        schedule.employeeCount = 0;
        schedule.modified = 1;
    }
    if (RosterSelectionKey(schedule).empty()) {
        return false;
    }
    FileChooser chooser = kRosterChooser;
    chooser.initialFolder = settings.Text(keys::LastRosterPath);
    const std::optional<std::string> path = desktop.ChooseOpenFile(chooser);
    if (!path) {
        return false;
    }
    std::string text;
    if (!files.ReadFile(*path, text)) {
        ShowInfo(desktop, *path, "Unable to Open File", MessageIcon::Stop);
        return false;
    }
    settings.SetText(keys::LastRosterPath, std::filesystem::path(*path).parent_path().string());
    schedule.logFile.Write("BeginCreateNewRosterFromExtract\n");
    if (!LooksLikeRosterExtract(text) && !AskYesNo(desktop, kCheckQuestion, kCaption)) {
        return false;
    }
    RosterReadResult result;
    {
        WaitCursor wait(desktop);
        result = ReadRosterExtract(schedule, text);
    }
    if (!result.complete) {
        ShowInfo(desktop, "File Error - Unable to Load Roster from this file.", kCaption,
                 MessageIcon::Stop);
        return false;
    }
    if (result.notLoaded > 0) {
        ShowInfo(desktop,
                 Format("The Roster is Full. %d more Employees in this file were not Loaded.",
                        result.notLoaded),
                 kCaption, MessageIcon::Exclamation);
    }
    schedule.logFile.Write("CreateNewRosterFromExtractComplete\n");
    return true;
}

}  // namespace tallow
