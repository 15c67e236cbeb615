#include <filesystem>
#include <optional>
#include <string>

#include "core/app/settings.h"
#include "core/import/activity_import.h"
#include "core/import/prior_pairing_extract.h"
#include "core/import/summary_list.h"
#include "core/model/schedule.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"
#include "core/platform/progress_dialog.h"

namespace tallow {
namespace {

constexpr const char* kCaption = "Tallowbright";
constexpr const char* kCheckQuestion =
    "This May Not Be a Valid Crew Activity Extract! Do You Want to Try Load it Anyway";

const FileChooser kActivityChooser{
    "Load Overlap Information from Extract",
    "Vellumix Extract Files (*actp.ext *actc.ext)|*actp.ext;*actc.ext|All Files (*.*)|*.*", "", ""};
const FileChooser kPairingChooser{
    "Open Updated Pairing Data from Extract",
    "Vellumix Extract Files (*prgp.ext *prgc.ext.)|*prgp.ext;*prgc.ext|All Files (*.*)|*.*", "",
    ""};

// The chosen file's text and folder; none when the user cancelled or the
// file could not be read, which the user is told.
std::optional<std::string> ChooseAndRead(const FileChooser& chooser, Desktop& desktop,
                                         FileSystem& files, std::string* folder) {
    const std::optional<std::string> path = desktop.ChooseOpenFile(chooser);
    if (!path) {
        return std::nullopt;
    }
    std::string text;
    if (!files.ReadFile(*path, text)) {
        ShowInfo(desktop, *path, "Unable to Open File", MessageIcon::Stop);
        return std::nullopt;
    }
    *folder = std::filesystem::path(*path).parent_path().string();
    return text;
}

}  // namespace

ActivityLoadResult LoadLastMonthsData(TSchedule& schedule, Desktop& desktop, FileSystem& files,
                                      Settings& settings) {
    ActivityLoadResult result;
    FileChooser chooser = kActivityChooser;
    chooser.initialFolder = settings.Text(keys::LastOverlapDataPath);
    std::string folder;
    const std::optional<std::string> activity = ChooseAndRead(chooser, desktop, files, &folder);
    if (!activity) {
        return result;
    }
    settings.SetText(keys::LastOverlapDataPath, folder);
    if (!LooksLikeActivityExtract(*activity) && !AskYesNo(desktop, kCheckQuestion, kCaption)) {
        return result;
    }
    ProgressDialog progress(desktop, "Loading Last Month's Data", "Completed %d of %d", 0,
                            schedule.RowsInUse());
    // The pairing extract's chooser opens where the activity file was found;
    // that folder is not remembered for it.
    chooser = kPairingChooser;
    chooser.initialFolder = folder;
    const std::optional<std::string> pairingText = ChooseAndRead(chooser, desktop, files, &folder);
    if (!pairingText || (!LooksLikePriorPairingExtract(*pairingText) &&
                         !AskYesNo(desktop, kCheckQuestion, kCaption))) {
        return result;
    }
    const PriorPairingExtract pairings(*pairingText);
    result.closeBoard = true;
    ActivityReadResult read;
    {
        WaitCursor wait(desktop);
        schedule.logFile.Write("LoadLastMonthsDataFromExtractBegin\n");
        read = ReadActivityExtract(schedule, *activity, pairings, &progress);
        schedule.logFile.Write("LoadLastMonthsData Finished...\n");
        progress.Close();
    }
    if (!read.errors.empty()) {
        ShowSummaryList(desktop, "Errors from Overlap Info Extract Load", read.errors);
    }
    result.loaded = true;
    return result;
}

}  // namespace tallow
