#include "core/rules/warnings_report.h"

#include <initializer_list>
#include <string_view>

#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/platform/desktop.h"
#include "core/rules/block_rules.h"

namespace tallow {
namespace {

enum class Items { Exceptions, Warnings };

void AppendItems(std::vector<std::string>& lines, int row, const TPilot& employee,
                 std::string_view text) {
    const std::string prefix = Format("%d  %s: ", row + 1, employee.name.c_str());
    while (!text.empty()) {
        const size_t end = text.find('+');
        lines.push_back(prefix + std::string(text.substr(0, end)));
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
}

// One section: the rules run as the report asks, then each line's items.
void AppendSection(std::vector<std::string>& lines, TSchedule& schedule, Items items,
                   bool useOldDutyRules) {
    const bool captains = schedule.crewGroup == CrewGroup::Captains;
    for (int r = 0; r < schedule.RowsInUse(); ++r) {
        if (items == Items::Exceptions) {
            CheckEmployee(schedule, r, useOldDutyRules);
        }
        if (captains) {
            CheckTwoCaptainPairings(schedule);
        }
        const TPilot& employee = schedule.employees[static_cast<size_t>(r)];
        AppendItems(lines, r, employee,
                    items == Items::Exceptions ? employee.illegalitiesText : employee.warningsText);
    }
}

void AppendHeading(std::vector<std::string>& lines,
                   std::initializer_list<std::string_view> heading) {
    for (std::string_view line : heading) {
        lines.emplace_back(line);
    }
}

}  // namespace

std::vector<std::string> WarningsReportLines(TSchedule& schedule) {
    std::vector<std::string> lines;
    AppendHeading(lines, {"------- EXCEPTIONS -------", ""});
    AppendSection(lines, schedule, Items::Exceptions, false);
    AppendHeading(lines, {"", "------ WARNINGS  ------", ""});
    AppendSection(lines, schedule, Items::Warnings, false);
    const std::string rule(50, '=');
    AppendHeading(lines, {"", rule, "", "------- EXCEPTIONS USING OLD RULE CHECKING -------", ""});
    AppendSection(lines, schedule, Items::Exceptions, true);
    AppendHeading(lines, {"", "------ WARNINGS USING OLD RULE CHECKING ------", ""});
    AppendSection(lines, schedule, Items::Warnings, true);

    for (int r = 0; r < schedule.RowsInUse(); ++r) {
        CheckEmployee(schedule, r, false);
    }
    // Without the two-captain pass the board would lose its two-captain marks.
    if (schedule.crewGroup == CrewGroup::Captains) {
        CheckTwoCaptainPairings(schedule);
    }
    return lines;
}

void CopyReportToClipboard(Desktop& desktop, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    const bool copied = desktop.SetClipboardText(text);
    desktop.ShowMessage(
        {copied ? "Copied to Windows Clipboard." : "Error Copying to Windows Clipboard.",
         "Tallowbright", MessageIcon::None, MessageButtons::OkCancel});
}

}  // namespace tallow
