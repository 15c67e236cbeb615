#include <filesystem>
#include <string>

#include "core/app/settings.h"
#include "core/import/absences_import.h"
#include "core/import/summary_list.h"
#include "core/model/schedule.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"

namespace tallow {
namespace {

constexpr const char* kCaption = "Tallowbright";
constexpr const char* kCheckQuestion =
    "This May Not Be a Valid Crew Absence Extract! Do You Want to Try Load it Anyway";

const FileChooser kAbsencesChooser{
    "Load Crew Absences Extract",
    "Vellumix Extract Files (*absp.ext *absc.ext)|*absp.ext;*absc.ext|All Files (*.*)|*.*", "", ""};

}  // namespace

AbsencesLoadResult LoadAbsencesExtract(TSchedule& schedule, bool nextMonth, Desktop& desktop,
                                       FileSystem& files, Settings& settings) {
    AbsencesLoadResult result;
    if (!nextMonth && schedule.freshFile == 0 &&
        !AskYesNo(desktop, "This will erase all conflicting Toolbox assignments. Proceed", kCaption,
                  MessageIcon::Stop)) {
        return result;
    }
    FileChooser chooser = kAbsencesChooser;
    chooser.initialFolder = settings.Text(keys::LastCrewAbsPath);
    const std::optional<std::string> path = desktop.ChooseOpenFile(chooser);
    if (!path) {
        return result;
    }
    std::string text;
    if (!files.ReadFile(*path, text)) {
        ShowInfo(desktop, *path, "Unable to Open File", MessageIcon::Stop);
        return result;
    }
    settings.SetText(keys::LastCrewAbsPath, std::filesystem::path(*path).parent_path().string());
    if (!LooksLikeAbsencesExtract(text) && !AskYesNo(desktop, kCheckQuestion, kCaption)) {
        return result;
    }
    result.closeBoard = true;
    AbsencesReadResult read;
    {
        WaitCursor wait(desktop);
        schedule.logFile.Write("LoadCrewAbsencesBegin\n");
        read = ReadAbsencesExtract(schedule, text, nextMonth);
    }
    if (!read.complete) {
        ShowInfo(desktop, "File Error - Unable to Load Crew Absences from this file.", kCaption,
                 MessageIcon::Stop);
        return result;
    }
    if (!read.warnings.empty()) {
        ShowSummaryList(desktop, "Warnings from Absences Extract Load", read.warnings);
    }
    schedule.logFile.Write("LoadCrewAbsencesEnd\n");
    result.loaded = true;
    return result;
}

}  // namespace tallow
