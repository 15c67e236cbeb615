#include <algorithm>
#include <string>

#include "core/import/bids_import.h"
#include "core/import/summary_list.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"
#include "core/platform/progress_dialog.h"

namespace tallow {
namespace {

constexpr const char* kCaption = "Tallowbright";
constexpr const char* kReplaceQuestion =
    "Current Bids will be replaced on an individual basis when a bid is found in this file. "
    "Would you Like to Delete All Current Bids First";
constexpr const char* kDeleteConfirmation =
    "Confirm that you wish to Delete All Pilot Bids before Importing the Bids from the CSV File";

const FileChooser kBidsChooser{"Load Pilot Bids",
                               "Pilot Bid Files(*.csv)|*.csv|All Files (*.*)|*.*", "", ""};

bool AnyBids(const TSchedule& schedule) {
    return std::any_of(schedule.employees.begin(),
                       schedule.employees.begin() + schedule.RowsInUse(),
                       [](const TPilot& employee) { return !employee.bidText.empty(); });
}

}  // namespace

BidsLoadResult LoadPilotBids(TSchedule& schedule, Desktop& desktop, FileSystem& files) {
    BidsLoadResult result;
    if (schedule.crewGroup == CrewGroup::FlightAttendants) {
        ShowInfo(desktop, "This Feature is for Pilot Use Only", kCaption);
        return result;
    }
    const std::optional<std::string> path = desktop.ChooseOpenFile(kBidsChooser);
    if (!path) {
        return result;
    }
    if (AnyBids(schedule)) {
        const Answer answer = AskYesNoCancel(desktop, kReplaceQuestion, kCaption);
        if (answer == Answer::Cancel) {
            return result;
        }
        if (answer == Answer::Yes && AskYesNo(desktop, kDeleteConfirmation, kCaption)) {
            for (TPilot& employee : schedule.employees) {
                employee.bidText.clear();
            }
            schedule.modified = 1;
        }
    }
    std::string text;
    if (!files.ReadFile(*path, text)) {
        ShowInfo(desktop, Format("Unable to Open File %s", path->c_str()), "File Error",
                 MessageIcon::Stop);
        return result;
    }
    result.imported = true;
    schedule.logFile.Write("LoadPilotBidsBegin\n");
    BidsReadResult read;
    {
        ProgressDialog progress(desktop, "Importing Pilot Bids", "Searching for Bid %d of %d", 0,
                                schedule.RowsInUse());
        read = ReadPilotBids(schedule, text, &progress);
    }
    result.showBidsWindow = schedule.boardBuilt != 0;
    if (!read.warnings.empty()) {
        ShowSummaryList(desktop, "Missing Bids / Warnings.  List Copied to Windows Clipboard",
                        read.warnings);
    }
    schedule.modified = 1;
    schedule.logFile.Write("LoadPilotBidsEnd\n");
    return result;
}

}  // namespace tallow
