#include "core/rules/warnings_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "assignment_fixture.h"
#include "core/rules/block_rules.h"

namespace tallow::testing {
namespace {

const std::string kRule(50, '=');

std::vector<std::string> Headings(const std::vector<std::string>& lines) {
    std::vector<std::string> headings;
    for (const std::string& line : lines) {
        if (line.starts_with("---") || line.starts_with("===")) {
            headings.push_back(line);
        }
    }
    return headings;
}

TEST(WarningsReportTest, ListsEveryItemUnderItsLinesPrefix) {
    // Placeholder lines keep their results, so their items are known.
    AssignmentMonth month(CrewGroup::FirstOfficers);
    const int row = month.AddEmployee("CAPT LINE", kPlaceholderEmployee);
    month.Row(row).illegalitiesText = "FIRST 5+SECOND 6 7+THIRD+";
    month.Row(row).warningsText = "CAUTION 9+";

    const std::vector<std::string> expected = {
        "------- EXCEPTIONS -------",
        "",
        "1  CAPT LINE: FIRST 5",
        "1  CAPT LINE: SECOND 6 7",
        "1  CAPT LINE: THIRD",
        "",
        "------ WARNINGS  ------",
        "",
        "1  CAPT LINE: CAUTION 9",
        "",
        kRule,
        "",
        "------- EXCEPTIONS USING OLD RULE CHECKING -------",
        "",
        "1  CAPT LINE: FIRST 5",
        "1  CAPT LINE: SECOND 6 7",
        "1  CAPT LINE: THIRD",
        "",
        "------ WARNINGS USING OLD RULE CHECKING ------",
        "",
        "1  CAPT LINE: CAUTION 9",
    };
    EXPECT_EQ(WarningsReportLines(month.schedule), expected);
}

// A first-officer month whose lines break rules: SMITH flies two pairings
// six hours apart, JONES flies eight one-day pairings in a row.
void FillBrokenMonth(AssignmentMonth& month) {
    month.AddEmployee("SMITH", 1001);
    month.AddEmployee("JONES", 1002);
    month.AddEmployee("CAPT LINE", kPlaceholderEmployee);
    month.Row(2).illegalitiesText = "KEPT+";
    month.Hold(0, month.AddSeat(8101, 480, 600, 1, 300, {3}), 3);
    month.Hold(0, month.AddSeat(8102, 0, 600, 1, 300, {4}), 4);
    for (int d = 10; d < 18; ++d) {
        month.Hold(1, month.AddSeat(8200 + d, 480, 840, 1, 420, {d}), d);
    }
}

// Each line's items after the given rule run, as the report shows them.
std::vector<std::string> ItemLines(TSchedule& schedule, bool useOldDutyRules, bool warnings) {
    for (int r = 0; r < schedule.employeeCount; ++r) {
        CheckEmployee(schedule, r, useOldDutyRules);
    }
    std::vector<std::string> lines;
    for (int r = 0; r < schedule.employeeCount; ++r) {
        const TPilot& employee = schedule.employees[static_cast<size_t>(r)];
        std::string_view items = warnings ? employee.warningsText : employee.illegalitiesText;
        for (size_t end = items.find('+'); end != std::string_view::npos; end = items.find('+')) {
            lines.push_back(std::to_string(r + 1) + "  " + employee.name + ": " +
                            std::string(items.substr(0, end)));
            items.remove_prefix(end + 1);
        }
    }
    return lines;
}

std::vector<std::string> Between(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to) {
    auto first = std::find(lines.begin(), lines.end(), from);
    auto last = std::find(first, lines.end(), to);
    std::vector<std::string> items;
    for (auto line = first; line != last && line != lines.end(); ++line) {
        if (!line->empty() && *line != from) {
            items.push_back(*line);
        }
    }
    return items;
}

TEST(WarningsReportTest, SectionsHoldTheCurrentAndTheOldRuleResults) {
    AssignmentMonth reported(CrewGroup::FirstOfficers);
    FillBrokenMonth(reported);
    const std::vector<std::string> lines = WarningsReportLines(reported.schedule);

    EXPECT_EQ(Headings(lines),
              (std::vector<std::string>{"------- EXCEPTIONS -------", "------ WARNINGS  ------",
                                        kRule, "------- EXCEPTIONS USING OLD RULE CHECKING -------",
                                        "------ WARNINGS USING OLD RULE CHECKING ------"}));

    AssignmentMonth expected(CrewGroup::FirstOfficers);
    FillBrokenMonth(expected);
    const std::vector<std::string> current = ItemLines(expected.schedule, false, false);
    const std::vector<std::string> currentWarnings = ItemLines(expected.schedule, false, true);
    const std::vector<std::string> old = ItemLines(expected.schedule, true, false);
    const std::vector<std::string> oldWarnings = ItemLines(expected.schedule, true, true);
    ASSERT_GT(current.size(), 1u) << "the month must break some rule";
    EXPECT_EQ(std::count(current.begin(), current.end(), "3  CAPT LINE: KEPT"), 1);

    EXPECT_EQ(Between(lines, "------- EXCEPTIONS -------", "------ WARNINGS  ------"), current);
    EXPECT_EQ(Between(lines, "------ WARNINGS  ------", kRule), currentWarnings);
    EXPECT_EQ(Between(lines, "------- EXCEPTIONS USING OLD RULE CHECKING -------",
                      "------ WARNINGS USING OLD RULE CHECKING ------"),
              old);
    EXPECT_EQ(Between(lines, "------ WARNINGS USING OLD RULE CHECKING ------", "(end)"),
              oldWarnings);
}

TEST(WarningsReportTest, LeavesTheLinesWithTheCurrentRuleResults) {
    for (CrewGroup group : {CrewGroup::Captains, CrewGroup::FirstOfficers}) {
        SCOPED_TRACE(static_cast<int>(group));
        AssignmentMonth reported(group);
        FillBrokenMonth(reported);
        WarningsReportLines(reported.schedule);

        AssignmentMonth expected(group);
        FillBrokenMonth(expected);
        for (int r = 0; r < expected.schedule.employeeCount; ++r) {
            CheckEmployee(expected.schedule, r, false);
        }
        if (group == CrewGroup::Captains) {
            CheckTwoCaptainPairings(expected.schedule);
        }
        for (int r = 0; r < expected.schedule.employeeCount; ++r) {
            const TPilot& got = reported.Row(r);
            const TPilot& want = expected.Row(r);
            EXPECT_EQ(got.illegalitiesText, want.illegalitiesText) << "row " << r;
            EXPECT_EQ(got.warningsText, want.warningsText) << "row " << r;
            EXPECT_EQ(got.carsText, want.carsText) << "row " << r;
            EXPECT_EQ(got.dayIllegal, want.dayIllegal) << "row " << r;
            EXPECT_EQ(got.dayWarning, want.dayWarning) << "row " << r;
        }
    }
}

TEST(CopyReportToClipboardTest, JoinsTheLinesWithCrLf) {
    ScriptedDesktop desktop;
    desktop.Answer(Answer::Ok);
    CopyReportToClipboard(desktop, {"------- EXCEPTIONS -------", "", "1  SMITH: REST 5"});
    EXPECT_EQ(desktop.clipboard, "------- EXCEPTIONS -------\r\n\r\n1  SMITH: REST 5\r\n");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Copied to Windows Clipboard.");
    EXPECT_EQ(desktop.messages[0].caption, "Tallowbright");
    EXPECT_EQ(desktop.messages[0].buttons, MessageButtons::OkCancel);
}

TEST(CopyReportToClipboardTest, ReportsAClipboardThatCannotBeWritten) {
    ScriptedDesktop desktop;
    desktop.FailClipboard();
    desktop.Answer(Answer::Ok);
    CopyReportToClipboard(desktop, {"line"});
    EXPECT_EQ(desktop.clipboard, "");
    EXPECT_EQ(desktop.MessageTexts(),
              std::vector<std::string>{"Error Copying to Windows Clipboard."});
    EXPECT_EQ(desktop.messages[0].caption, "Tallowbright");
    EXPECT_EQ(desktop.messages[0].buttons, MessageButtons::OkCancel);
}

}  // namespace
}  // namespace tallow::testing
