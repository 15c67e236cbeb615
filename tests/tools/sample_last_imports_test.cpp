// The generator's activity extracts, LIS listing and bid file read by the
// importers after the month's toolbox, roster, absences and pairings, the
// way the new-file wizard and the import commands read them: the
// well-formed parts load without an error line, and the flawed bids give
// exactly the warnings their flaws call for.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/import/absences_import.h"
#include "core/import/activity_import.h"
#include "core/import/bids_import.h"
#include "core/import/lis_scan.h"
#include "core/import/pairing_import.h"
#include "core/import/prior_pairing_extract.h"
#include "core/import/roster_import.h"
#include "core/import/toolbox_definitions.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "sample/activity_writer.h"
#include "sample/bids_writer.h"
#include "sample/last_month.h"
#include "sample/lis_writer.h"
#include "sample/prior_pairing_writer.h"
#include "sample/sample_files.h"
#include "sample_text.h"
#include "support/scripted_desktop.h"

namespace tallow::sample {
namespace {

using tallow::testing::ScriptedDesktop;
using testing::Columns;
using testing::Lines;

SampleOptions Group(const char* status, const char* equipment, int month, uint64_t seed) {
    SampleOptions options;
    options.status = status;
    options.equipment = equipment;
    options.month = month;
    options.seed = seed;
    options.employees = 60;
    options.pairings = 50;
    return options;
}

CrewGroup CrewGroupOf(const std::string& status) {
    if (status == "CA") {
        return CrewGroup::Captains;
    }
    return status == "FO" ? CrewGroup::FirstOfficers : CrewGroup::FlightAttendants;
}

size_t Count(const std::string& text, std::string_view part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// The type-share mark the scan gives a block with these marker counts.
std::string ShareMark(size_t cra, size_t all) {
    double share = all == 0 ? 0.0 : static_cast<double>(cra) / static_cast<double>(all);
    if (share > 0.99) {
        return " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** ";
    }
    if (share > 0.74) {
        return " *** CRA>74% CRA>49% CRA>24% CRA>0% *** ";
    }
    if (share > 0.49) {
        return " *** CRA>49% CRA>24% CRA>0% *** ";
    }
    if (share > 0.24) {
        return " *** CRA>24% CRA>0% *** ";
    }
    return share > 0 ? " *** CRA>0% *** " : " *** CRA=0% *** ";
}

class SampleLastImportsTest : public ::testing::TestWithParam<SampleOptions> {
  protected:
    void SetUp() override {
        month_ = BuildSampleMonth(GetParam());
        std::vector<SampleFile> files = SampleFiles(month_);
        ASSERT_EQ(files.size(), 4u);
        schedule_ = std::make_unique<TSchedule>();
        ASSERT_TRUE(schedule_->SetPeriod(month_.period.start, month_.period.end, desktop_));
        schedule_->scheduleTitle = month_.ScheduleTitle();
        schedule_->crewGroup = CrewGroupOf(month_.options.status);
        schedule_->freshFile = 1;
        ASSERT_EQ(ParseToolboxDefinitions(*schedule_, files[0].text, desktop_),
                  ToolboxParseResult::Loaded);
        ASSERT_TRUE(ReadRosterExtract(*schedule_, files[1].text).complete);
        ASSERT_TRUE(ReadAbsencesExtract(*schedule_, files[2].text, false).complete);
        ASSERT_TRUE(ImportPairingText(*schedule_, files[3].text, "", !month_.PilotGroup(), desktop_)
                        .loaded);
        last_ = BuildLastMonth(month_);
    }

    TPilot* Employee(int32_t number) {
        for (int32_t row = 0; row < schedule_->employeeCount; ++row) {
            if (schedule_->employees[static_cast<size_t>(row)].employeeNumber == number) {
                return &schedule_->employees[static_cast<size_t>(row)];
            }
        }
        return nullptr;
    }

    SampleMonth month_;
    SampleLastMonth last_;
    ScriptedDesktop desktop_;
    std::unique_ptr<TSchedule> schedule_;
};

TEST_P(SampleLastImportsTest, ActivityLoadsEveryGroupMemberWithoutErrors) {
    std::string activity = ActivityText(month_, last_);
    std::string prior = PriorPairingText(month_, last_);
    ASSERT_TRUE(LooksLikeActivityExtract(activity));
    ASSERT_TRUE(LooksLikePriorPairingExtract(prior));
    PriorPairingExtract extract(prior);
    EXPECT_EQ(extract.LineCount(), last_.pairings.size());
    ActivityReadResult result = ReadActivityExtract(*schedule_, activity, extract, nullptr);
    EXPECT_EQ(result.errors, "");
    EXPECT_EQ(result.employeesLoaded, month_.SelectedEmployees());
    EXPECT_TRUE(desktop_.MessageTexts().empty());

    int carried = 0;
    for (const EmployeeHistory& history : last_.crew) {
        const SampleEmployee& model = month_.employees[history.employee];
        TPilot* employee = Employee(model.number);
        if (!model.selected) {
            EXPECT_EQ(employee, nullptr);
            continue;
        }
        ASSERT_NE(employee, nullptr) << model.number;
        std::string line =
            Lines(ActivityText(month_, last_))[static_cast<size_t>(&history - last_.crew.data())];
        EXPECT_EQ(employee->hardTimeHistory, Columns(line, 1249, 356));
        for (size_t t = 0; t < static_cast<size_t>(kPriorDays); ++t) {
            EXPECT_EQ(employee->history[t][kHistoryHard],
                      history.hardTime[static_cast<size_t>(kHardTimeHistoryDays - kPriorDays) + t])
                << model.number << " day " << t;
        }
        for (const PriorActivity& entry : history.entries) {
            size_t day = static_cast<size_t>(
                entry.code == nullptr ? last_.pairings[entry.pairing].startDay : entry.firstDay);
            std::string expected = entry.code == nullptr ? last_.pairings[entry.pairing].designator
                                                         : std::string(entry.code->code);
            EXPECT_EQ(employee->historyCode[day], expected) << model.number << " day " << day;
            if (entry.code == nullptr) {
                const PriorPairing& pairing = last_.pairings[entry.pairing];
                EXPECT_EQ(employee->history[day][kHistoryPairingStart], pairing.report);
                EXPECT_EQ(employee->history[day][kHistoryTafb], pairing.tafb);
                EXPECT_EQ(employee->history[day][kHistoryWorked], 1);
            }
        }
        EXPECT_GE(employee->legalCheckIn, 0);
        carried += employee->carryInCredit > 0 ? 1 : 0;
    }
    EXPECT_GT(carried, 0) << "pairings that run into the period carry credit";
}

TEST_P(SampleLastImportsTest, LisScanFindsAndMarksEveryPairing) {
    std::string file = LisText(month_);
    std::string_view lis = LisFileText(file);
    ASSERT_EQ(lis.size(), file.size() - kLisHeaderBytes);
    LisScanOutcome outcome = ScanLisText(*schedule_, lis);
    EXPECT_EQ(outcome.errors, "");
    ASSERT_GE(schedule_->lastPairing, 0);
    int french = 0;
    for (int32_t s = 0; s <= schedule_->lastPairing; ++s) {
        const TPair& seat = schedule_->pairings[static_cast<size_t>(s)];
        std::string designator = LisDesignator(seat);
        size_t at = file.rfind(designator);
        ASSERT_NE(at, std::string::npos) << designator;
        std::string block = file.substr(at, file.find("MEALS CAD:", at) + 17 - at);
        size_t cra = Count(block, "CRA [");
        size_t all = cra + Count(block, "CRJ [") + Count(block, "DH1 [") + Count(block, "E75 [");
        EXPECT_EQ(Count(seat.displayText, ShareMark(cra, all)), 1u) << designator;
        size_t tags = Count(seat.displayText, "  CRA") + Count(seat.displayText, "  CRJ") +
                      Count(seat.displayText, "  DH1") + Count(seat.displayText, "  E75");
        EXPECT_EQ(tags, all) << designator << " has a tag on every typed leg";
        EXPECT_EQ(Count(seat.displayText, "MEALS US:"), Count(block, "MEALS US:")) << designator;
        bool frenchBlock = block.find("FRENCH") != std::string::npos;
        EXPECT_EQ(Count(seat.displayText, " FRENCH PAIRING"),
                  frenchBlock && !month_.PilotGroup() ? 1u : 0u)
            << designator;
        french += frenchBlock ? 1 : 0;
    }
    EXPECT_GT(french, 0);
    EXPECT_EQ(outcome.frenchCount, month_.PilotGroup() ? 0 : french);
}

TEST_P(SampleLastImportsTest, BidsLoadAndOnlyTheFlawedOnesWarn) {
    std::vector<SampleBid> bids = BuildBids(month_);
    if (!month_.PilotGroup()) {
        EXPECT_TRUE(bids.empty()) << "the import is for pilots only";
        return;
    }
    BidsReadResult result = ReadPilotBids(*schedule_, BidsText(bids));
    int complete = 0;
    std::vector<bool> bidding(month_.employees.size(), false);
    for (const SampleBid& bid : bids) {
        bidding[bid.employee] = true;
        int32_t number = month_.employees[bid.employee].number;
        TPilot* employee = Employee(number);
        ASSERT_NE(employee, nullptr);
        std::string tail = Format("  Emp Number %d.", number);
        auto warned = [&](const char* prefix) {
            return result.warnings.find(prefix + employee->name + tail) != std::string::npos;
        };
        EXPECT_EQ(warned("* Bid Found but Unable to Extract Bid Data for "),
                  bid.flaw == BidFlaw::Incomplete)
            << number;
        EXPECT_EQ(warned("* GDO Load Error for "), bid.flaw == BidFlaw::BadDay) << number;
        EXPECT_EQ(warned("* PDO1 Load Error for "), bid.flaw == BidFlaw::TooManyDays) << number;
        EXPECT_FALSE(warned("* PDO2 Load Error for ")) << number;
        EXPECT_EQ(result.warnings.find(employee->name + " Flagged as Bidding Reserve.") !=
                      std::string::npos,
                  bid.reserve)
            << number;
        EXPECT_EQ(employee->reserveBidder != 0, bid.reserve) << number;
        if (bid.flaw == BidFlaw::Incomplete) {
            EXPECT_EQ(employee->bidText, "");
            continue;
        }
        ++complete;
        EXPECT_NE(employee->bidText.find(Format("%06d", number)), std::string::npos);
        EXPECT_EQ(employee->phone1, bid.fields[4]);
        if (bid.flaw == BidFlaw::BadDay) {
            EXPECT_NE(employee->bidText.find(bid.Field(BidField::Gdo) + " ERROR! "),
                      std::string::npos);
        }
        // The bid text is upper case throughout.
        if (bid.flaw == BidFlaw::TooManyDays) {
            EXPECT_NE(employee->bidText.find(" ERROR! TO MANY PDOS "), std::string::npos);
        }
        for (int day : bid.gdoDays) {
            EXPECT_EQ(employee->dayOffRequest[static_cast<size_t>(day)], kRequestGuaranteedDayOff)
                << number << " day " << day;
        }
        for (int day : bid.pdoDays) {
            EXPECT_EQ(employee->dayOffRequest[static_cast<size_t>(day)], kRequestPreferredDayOff)
                << number << " day " << day;
        }
    }
    EXPECT_EQ(result.bidsLoaded, complete);
    for (size_t i = 0; i < month_.employees.size(); ++i) {
        const SampleEmployee& model = month_.employees[i];
        if (model.selected) {
            TPilot* employee = Employee(model.number);
            ASSERT_NE(employee, nullptr);
            std::string missing =
                "No Bid Found for " + employee->name + Format("  Emp Number %d.", model.number);
            EXPECT_EQ(result.warnings.find(missing) != std::string::npos, !bidding[i])
                << model.number;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Months, SampleLastImportsTest,
                         ::testing::Values(Group("CA", "CRJ", 4, 3), Group("FO", "DH8", 1, 8),
                                           Group("FA", "E75", 11, 21)));

}  // namespace
}  // namespace tallow::sample
