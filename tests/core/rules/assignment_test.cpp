#include "core/rules/assignment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "assignment_fixture.h"
#include "core/rules/block_rules.h"

namespace tallow::testing {
namespace {

constexpr char kReserveQuestion[] =
    "Employee Bidding Reserve. Do you want to assign this pairing anyways";

std::string ShortRestQuestion(const std::string& rest) {
    return "This Assignment Provides Only " + rest + ".  Do You want to Assign It Anyway";
}

// Row 0 "SMITH"; seat 0 (8101) operates on days 4 and 5, seat 1 (8102) on
// days 4 and 6, both one-day pairings reporting at 08:00 for 10 hours.
struct SmallMonth : AssignmentMonth {
    explicit SmallMonth(CrewGroup group = CrewGroup::Captains) : AssignmentMonth(group) {
        AddEmployee("SMITH", 1001);
        AddSeat(8101, 480, 600, 1, 300, {4, 5});
        AddSeat(8102, 480, 600, 1, 300, {4, 6});
    }
};

struct AssignCase {
    const char* name;
    std::function<void(SmallMonth&)> arrange;
    int row;
    int seat;
    int day;
    AssignResult expected;
};

TEST(AssignPairingTest, ResultCodes) {
    const AssignCase cases[] = {
        {"placed", [](SmallMonth&) {}, 0, 0, 4, AssignResult::Placed},
        {"day holds a pairing", [](SmallMonth& m) { m.Hold(0, 1, 4); }, 0, 0, 4,
         AssignResult::Refused},
        {"day holds a toolbox code", [](SmallMonth& m) { m.PlaceCode(0, 4, 0, 0, false); }, 0, 0, 4,
         AssignResult::Refused},
        {"rest too short",
         [](SmallMonth& m) { m.Hold(0, m.AddSeat(8103, 1200, 600, 2, 300, {3}), 3); }, 0, 0, 4,
         AssignResult::Refused},
        {"does not start that day", [](SmallMonth&) {}, 0, 0, 6, AssignResult::NotStarting},
        {"day after the period", [](SmallMonth&) {}, 0, 0, 30, AssignResult::NotStarting},
        {"negative day", [](SmallMonth&) {}, 0, 0, -1, AssignResult::NotStarting},
        {"already assigned", [](SmallMonth& m) { m.Seat(0).operates[4] = 2; }, 0, 0, 4,
         AssignResult::AlreadyAssigned},
        {"already assigned, extra crew", [](SmallMonth& m) { m.Seat(0).operates[4] = -2; }, 0, 0, 4,
         AssignResult::AlreadyAssigned},
        {"negative row", [](SmallMonth&) {}, -1, 0, 4, AssignResult::NotEmployeeRow},
        {"row past the roster", [](SmallMonth&) {}, 1, 0, 4, AssignResult::NotEmployeeRow},
        {"row past the table", [](SmallMonth&) {}, 5000, 0, 4, AssignResult::NotEmployeeRow},
        {"negative seat", [](SmallMonth&) {}, 0, -1, 4, AssignResult::NotPairing},
        {"seat past the last one", [](SmallMonth&) {}, 0, 2, 4, AssignResult::NotPairing},
        {"seat past the table", [](SmallMonth&) {}, 0, 3001, 4, AssignResult::NotPairing},
        {"reserve bidder declined",
         [](SmallMonth& m) {
             m.Row(0).reserveBidder = 1;
             m.desktop.Answer(Answer::No);
         },
         0, 0, 4, AssignResult::ReserveDeclined},
    };
    for (const AssignCase& test : cases) {
        SCOPED_TRACE(test.name);
        SmallMonth month;
        test.arrange(month);
        const LineState before = Capture(month.schedule);
        month.observer.calls.clear();

        EXPECT_EQ(AssignPairing(month.context, test.row, test.seat, test.day, false),
                  test.expected);
        if (test.expected == AssignResult::Placed) {
            EXPECT_EQ(month.Held(test.row, test.day), test.seat);
            EXPECT_EQ(month.Operates(test.seat, test.day), kOperatesAssigned);
            EXPECT_EQ(month.schedule.modified, 1);
        } else {
            EXPECT_EQ(Capture(month.schedule), before);
            EXPECT_EQ(month.schedule.modified, 0);
            EXPECT_TRUE(month.observer.calls.empty());
        }
    }
}

struct RemoveCase {
    const char* name;
    std::function<void(SmallMonth&)> arrange;
    int row;
    int seat;
    int day;
    RemoveResult expected;
};

TEST(RemovePairingTest, ResultCodes) {
    const RemoveCase cases[] = {
        {"removed", [](SmallMonth& m) { m.Hold(0, 0, 4); }, 0, 0, 4, RemoveResult::Removed},
        {"free day", [](SmallMonth&) {}, 0, 0, 4, RemoveResult::NoPairing},
        {"toolbox day", [](SmallMonth& m) { m.PlaceCode(0, 4, 0, 0, false); }, 0, 0, 4,
         RemoveResult::NoPairing},
        {"does not start that day", [](SmallMonth& m) { m.Hold(0, 1, 6); }, 0, 0, 6,
         RemoveResult::NotStarting},
        {"seat is open", [](SmallMonth& m) { m.Hold(0, 1, 4); }, 0, 0, 4,
         RemoveResult::NotAssigned},
        {"row past the roster", [](SmallMonth& m) { m.Hold(0, 0, 4); }, 1, 0, 4,
         RemoveResult::NotEmployeeRow},
        {"negative row", [](SmallMonth&) {}, -1, 0, 4, RemoveResult::NotEmployeeRow},
        {"seat past the last one", [](SmallMonth& m) { m.Hold(0, 0, 4); }, 0, 2, 4,
         RemoveResult::NotPairing},
        {"day past the period", [](SmallMonth&) {}, 0, 0, 45, RemoveResult::NoPairing},
        {"line holds another seat than the one named",
         [](SmallMonth& m) {
             m.AddEmployee("JONES", 1002);
             m.Hold(0, 1, 4);
             m.Hold(1, 0, 4);
         },
         0, 0, 4, RemoveResult::NoPairing},
    };
    for (const RemoveCase& test : cases) {
        SCOPED_TRACE(test.name);
        SmallMonth month;
        test.arrange(month);
        const LineState before = Capture(month.schedule);
        month.observer.calls.clear();

        EXPECT_EQ(RemovePairing(month.context, test.row, test.seat, test.day), test.expected);
        if (test.expected == RemoveResult::Removed) {
            EXPECT_EQ(month.Held(test.row, test.day), kDayFree);
            EXPECT_EQ(month.Operates(test.seat, test.day), kOperatesOpen);
            EXPECT_EQ(month.schedule.modified, 1);
        } else {
            EXPECT_EQ(Capture(month.schedule), before);
            EXPECT_TRUE(month.observer.calls.empty());
        }
    }
}

TEST(RemovePairingTest, SecondRemovalFindsNothing) {
    SmallMonth month;
    ASSERT_EQ(AssignPairing(month.context, 0, 0, 4, false), AssignResult::Placed);
    EXPECT_EQ(RemovePairing(month.context, 0, 0, 4), RemoveResult::Removed);
    EXPECT_EQ(RemovePairing(month.context, 0, 0, 4), RemoveResult::NoPairing);
    EXPECT_EQ(month.schedule.undoHistory.Size(), 2u);
}

TEST(AssignPairingTest, KeepsTheSignOfExtraCrewDays) {
    SmallMonth month;
    month.Seat(0).operates[4] = -1;
    ASSERT_EQ(AssignPairing(month.context, 0, 0, 4, false), AssignResult::Placed);
    EXPECT_EQ(month.Operates(0, 4), -2);
    ASSERT_EQ(RemovePairing(month.context, 0, 0, 4), RemoveResult::Removed);
    EXPECT_EQ(month.Operates(0, 4), -1);
    EXPECT_EQ(month.Operates(0, 5), 1);
}

// The rest around a new pairing. "before": a duty on day 3 ends at 18:00
// and the new pairing starts on day 4; "after": the new pairing on day 2 is
// followed by one reporting at 08:00 on day 3.
struct RestCase {
    const char* name;
    CrewGroup group;
    std::function<void(SmallMonth&)> arrange;
    int32_t report;
    int32_t tafb;
    int day;
    AssignResult expected;
    const char* restText;  // the short-rest question's rest text; null for none
};

void PairingBefore(SmallMonth& m) {
    m.Hold(0, m.AddSeat(8201, 480, 600, 1, 300, {3}), 3);
}

void PairingAfter(SmallMonth& m) {
    m.Hold(0, m.AddSeat(8202, 480, 600, 1, 300, {3}), 3);
}

TEST(AssignPairingTest, RestAroundThePairing) {
    const auto pilots = CrewGroup::FirstOfficers;
    const auto cabin = CrewGroup::FlightAttendants;
    const RestCase cases[] = {
        {"pilot 10:59 before", pilots, PairingBefore, 299, 600, 4, AssignResult::Refused, nullptr},
        {"pilot 11:00 before", pilots, PairingBefore, 300, 600, 4, AssignResult::Placed,
         " 11:00 Crew Rest Before "},
        {"pilot 11:59 before", pilots, PairingBefore, 359, 600, 4, AssignResult::Placed,
         " 11:59 Crew Rest Before "},
        {"pilot 12:00 before", pilots, PairingBefore, 360, 600, 4, AssignResult::Placed, nullptr},
        {"pilot 10:59 after", pilots, PairingAfter, 480, 781, 2, AssignResult::Refused, nullptr},
        {"pilot 11:00 after", pilots, PairingAfter, 480, 780, 2, AssignResult::Placed,
         " 11:00 Crew Rest After "},
        {"pilot 12:00 after", pilots, PairingAfter, 480, 720, 2, AssignResult::Placed, nullptr},
        {"captain 10:59 before", CrewGroup::Captains, PairingBefore, 299, 600, 4,
         AssignResult::Refused, nullptr},
        {"cabin 9:59 before", cabin, PairingBefore, 239, 600, 4, AssignResult::Refused, nullptr},
        {"cabin 10:00 before", cabin, PairingBefore, 240, 600, 4, AssignResult::Placed,
         " 10:00 Crew Rest Before "},
        {"cabin 9:59 after", cabin, PairingAfter, 480, 841, 2, AssignResult::Refused, nullptr},
        {"cabin 10:00 after", cabin, PairingAfter, 480, 840, 2, AssignResult::Placed,
         " 10:00 Crew Rest After "},
        {"pilot legal check-in 10:59 before", pilots,
         [](SmallMonth& m) { m.Row(0).legalCheckIn = 601; }, 600, 600, 0, AssignResult::Refused,
         nullptr},
        {"pilot legal check-in 11:00 before", pilots,
         [](SmallMonth& m) { m.Row(0).legalCheckIn = 600; }, 600, 600, 0, AssignResult::Placed,
         " 11:00 Crew Rest Before "},
        {"cabin legal check-in 9:59 before", cabin,
         [](SmallMonth& m) { m.Row(0).legalCheckIn = 721; }, 600, 600, 0, AssignResult::Refused,
         nullptr},
        {"cabin legal check-in 10:00 before", cabin,
         [](SmallMonth& m) { m.Row(0).legalCheckIn = 720; }, 600, 600, 0, AssignResult::Placed,
         " 10:00 Crew Rest Before "},
        {"toolbox day with duty before", pilots,
         [](SmallMonth& m) { m.PlaceCode(0, 3, 480, 600, true); }, 299, 600, 4,
         AssignResult::Refused, nullptr},
        {"toolbox day with duty, 11:00 before", pilots,
         [](SmallMonth& m) { m.PlaceCode(0, 3, 480, 600, true); }, 300, 600, 4,
         AssignResult::Placed, " 11:00 Crew Rest Before "},
        {"toolbox day without duty bounds the rest", pilots,
         [](SmallMonth& m) { m.PlaceCode(0, 3, 1200, 300, false); }, 419, 600, 4,
         AssignResult::Refused, nullptr},
        {"toolbox day without duty gives no rest text", pilots,
         [](SmallMonth& m) { m.PlaceCode(0, 3, 1200, 300, false); }, 420, 600, 4,
         AssignResult::Placed, nullptr},
        {"toolbox day without duty, 11:50 before", pilots,
         [](SmallMonth& m) { m.PlaceCode(0, 3, 1200, 300, false); }, 470, 600, 4,
         AssignResult::Placed, nullptr},
        {"toolbox day without duty after, pilots", pilots,
         [](SmallMonth& m) { m.PlaceCode(0, 3, 0, 0, false); }, 480, 961, 2, AssignResult::Refused,
         nullptr},
        {"toolbox day without duty after, pilots, 11:00", pilots,
         [](SmallMonth& m) { m.PlaceCode(0, 3, 0, 0, false); }, 480, 960, 2, AssignResult::Placed,
         " 11:00 Crew Rest After "},
        {"toolbox day without duty after, cabin", cabin,
         [](SmallMonth& m) { m.PlaceCode(0, 3, 0, 0, false); }, 480, 1081, 2, AssignResult::Refused,
         nullptr},
        {"toolbox day without duty after, cabin, 10:00", cabin,
         [](SmallMonth& m) { m.PlaceCode(0, 3, 0, 0, false); }, 480, 1080, 2, AssignResult::Placed,
         " 10:00 Crew Rest After "},
        {"toolbox day with duty after", pilots,
         [](SmallMonth& m) { m.PlaceCode(0, 3, 480, 60, true); }, 480, 781, 2,
         AssignResult::Refused, nullptr},
        {"nearest duty counts, not an earlier one", pilots,
         [](SmallMonth& m) {
             PairingBefore(m);
             // Still away when the new pairing reports: only the nearest duty counts.
             m.Hold(0, m.AddSeat(8203, 0, 5000, 4, 60, {1}), 1);
         },
         360, 600, 4, AssignResult::Placed, nullptr},
    };
    for (const RestCase& test : cases) {
        SCOPED_TRACE(test.name);
        SmallMonth month(test.group);
        test.arrange(month);
        const int seat = month.AddSeat(8300, test.report, test.tafb, 2, 600, {test.day});
        if (test.restText != nullptr) {
            month.desktop.Answer(Answer::Yes);
        }
        EXPECT_EQ(AssignPairing(month.context, 0, seat, test.day, false), test.expected);
        if (test.restText != nullptr) {
            ASSERT_EQ(month.desktop.messages.size(), 1u);
            const Message& question = month.desktop.messages[0];
            EXPECT_EQ(question.text, ShortRestQuestion(test.restText));
            EXPECT_EQ(question.caption, "Tallowbright");
            EXPECT_EQ(question.icon, MessageIcon::Question);
            EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        } else {
            EXPECT_TRUE(month.desktop.messages.empty());
        }
    }
}

TEST(AssignPairingTest, ShortRestQuestionJoinsBothTextsAndNoLeavesTheLine) {
    SmallMonth month;
    PairingBefore(month);  // released at 18:00 on day 3
    month.Hold(0, month.AddSeat(8204, 190, 600, 1, 300, {5}), 5);
    const int seat = month.AddSeat(8300, 340, 600, 1, 300, {4});
    const LineState before = Capture(month.schedule);

    month.desktop.Answer(Answer::No);
    EXPECT_EQ(AssignPairing(month.context, 0, seat, 4, false), AssignResult::Refused);
    EXPECT_EQ(month.desktop.MessageTexts(),
              std::vector<std::string>{
                  ShortRestQuestion(" 11:40 Crew Rest Before  11:30 Crew Rest After ")});
    EXPECT_EQ(Capture(month.schedule), before);
}

TEST(AssignPairingTest, LinesWithoutAnEmployeeNumberAreNeverAskedAboutShortRest) {
    for (int32_t number : {0, -1}) {
        SCOPED_TRACE(number);
        SmallMonth month;
        month.Row(0).employeeNumber = number;
        PairingBefore(month);
        const int seat = month.AddSeat(8300, 340, 600, 1, 300, {4});
        EXPECT_EQ(AssignPairing(month.context, 0, seat, 4, false), AssignResult::Placed);
        EXPECT_TRUE(month.desktop.messages.empty());
    }
}

// The clock changes at `change` (absolute minutes) by `shift`.
struct ClockCase {
    const char* name;
    int32_t shift;
    int32_t change;
    bool after;  // the neighbour follows the new pairing
    AssignResult expected;
    const char* restText;
};

TEST(AssignPairingTest, ClockChangeCorrectsTheRest) {
    // Before: the day-3 duty runs 4800..5400 and the new pairing starts at
    // 6060 (11:00 later). After: the new pairing runs 3360..4140 and the next
    // one starts at 4800 (11:00 later).
    const ClockCase cases[] = {
        {"no change", 0, 5760, false, AssignResult::Placed, " 11:00 Crew Rest Before "},
        {"spring forward between the duties", 60, 5760, false, AssignResult::Refused, nullptr},
        {"fall back between the duties", -60, 5760, false, AssignResult::Placed, nullptr},
        {"change at the very start", 60, 6060, false, AssignResult::Refused, nullptr},
        {"change inside the previous duty", 60, 4800, false, AssignResult::Placed,
         " 11:00 Crew Rest Before "},
        {"spring forward before the next duty", 60, 4000, true, AssignResult::Refused, nullptr},
        {"fall back before the next duty", -60, 4000, true, AssignResult::Placed, nullptr},
        {"change after the next duty starts", 60, 4801, true, AssignResult::Placed,
         " 11:00 Crew Rest After "},
    };
    for (const ClockCase& test : cases) {
        SCOPED_TRACE(test.name);
        SmallMonth month;
        month.schedule.dstShift = test.shift;
        month.schedule.dstChangeAt = test.change;
        int seat = 0;
        int day = 0;
        if (test.after) {
            PairingAfter(month);
            seat = month.AddSeat(8300, 480, 780, 1, 300, {2});
            day = 2;
        } else {
            PairingBefore(month);
            seat = month.AddSeat(8300, 300, 600, 1, 300, {4});
            day = 4;
        }
        if (test.restText != nullptr) {
            month.desktop.Answer(Answer::Yes);
        }
        EXPECT_EQ(AssignPairing(month.context, 0, seat, day, false), test.expected);
        const std::vector<std::string> expectedTexts =
            test.restText != nullptr ? std::vector<std::string>{ShortRestQuestion(test.restText)}
                                     : std::vector<std::string>{};
        EXPECT_EQ(month.desktop.MessageTexts(), expectedTexts);
    }
}

TEST(AssignPairingTest, SkipChecksPlacesWithoutRestButAsksAboutReserve) {
    SmallMonth month;
    PairingBefore(month);
    const int seat = month.AddSeat(8300, 0, 600, 1, 300, {4});
    month.Row(0).reserveBidder = 1;

    month.desktop.Answer(Answer::No);
    EXPECT_EQ(AssignPairing(month.context, 0, seat, 4, true), AssignResult::ReserveDeclined);
    month.desktop.Answer(Answer::Yes);
    EXPECT_EQ(AssignPairing(month.context, 0, seat, 4, true), AssignResult::Placed);
    EXPECT_EQ(month.Held(0, 4), seat);

    ASSERT_EQ(month.desktop.messages.size(), 2u);
    for (const Message& question : month.desktop.messages) {
        EXPECT_EQ(question.text, kReserveQuestion);
        EXPECT_EQ(question.caption, "");
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    }
}

TEST(AssignPairingTest, WithoutSkipChecksTheSamePlacementIsRefused) {
    SmallMonth month;
    PairingBefore(month);
    const int seat = month.AddSeat(8300, 0, 600, 1, 300, {4});
    EXPECT_EQ(AssignPairing(month.context, 0, seat, 4, false), AssignResult::Refused);
}

TEST(AssignPairingTest, RecordsTheTransactions) {
    SmallMonth month;
    month.AddEmployee("JONES", 1002);
    ASSERT_EQ(AssignPairing(month.context, 1, 1, 6, false), AssignResult::Placed);
    EXPECT_EQ(month.schedule.undoHistory.Front(), (TAction{1, 6, 1, 1}));
    ASSERT_EQ(RemovePairing(month.context, 1, 1, 6), RemoveResult::Removed);
    EXPECT_EQ(month.schedule.undoHistory.Front(), (TAction{0, 6, 1, 1}));
    EXPECT_EQ(month.schedule.undoHistory.ToText(),
              "0002"
              "00000600010001"
              "01000600010001");
}

TEST(AssignPairingTest, WritesTheEventLog) {
    SmallMonth month;
    month.AddEmployee("JONES", 1002);
    PairingBefore(month);
    const std::string path =
        (std::filesystem::path(::testing::TempDir()) / "assignment_event_log.txt").string();
    ASSERT_TRUE(month.schedule.logFile.Open(path));

    ASSERT_EQ(AssignPairing(month.context, 1, 0, 4, false), AssignResult::Placed);
    ASSERT_EQ(RemovePairing(month.context, 1, 0, 4), RemoveResult::Removed);
    // A refusal for rest comes after the line is written.
    const int early = month.AddSeat(8400, 0, 60, 1, 60, {4});
    ASSERT_EQ(AssignPairing(month.context, 0, early, 4, false), AssignResult::Refused);
    // A declined reserve question comes before it.
    month.Row(1).reserveBidder = 1;
    month.desktop.Answer(Answer::No);
    ASSERT_EQ(AssignPairing(month.context, 1, 1, 6, false), AssignResult::ReserveDeclined);
    month.schedule.logFile.Close();

    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(),
              "AssignPair 8101 to JONES on 5\n"
              "Remove Pair 8101 from JONES on 5\n"
              "AssignPair 8400 to SMITH on 5\n");
    std::filesystem::remove(path);
}

TEST(AssignPairingTest, MovesTheSelectionOfTheAssignedSeat) {
    SmallMonth month;
    month.selection = {0, 4, 3, 7, 7, 7};
    ASSERT_EQ(AssignPairing(month.context, 0, 1, 6, false), AssignResult::Placed);
    EXPECT_EQ(month.selection.selectedPair, 0) << "another seat leaves the selection alone";
    EXPECT_EQ(month.selection.previousPair, 7);

    ASSERT_EQ(AssignPairing(month.context, 0, 0, 4, false), AssignResult::Placed);
    EXPECT_EQ(month.selection.selectedPair, -1);
    EXPECT_EQ(month.selection.previousPair, 0);
    EXPECT_EQ(month.selection.previousDay, 4);
    EXPECT_EQ(month.selection.previousLane, 3);
}

TEST(RemovePairingTest, MovesTheSelection) {
    SmallMonth month;
    month.Hold(0, 1, 6);
    month.selection = {0, 5, 2, -1, -1, -1};
    ASSERT_EQ(RemovePairing(month.context, 0, 1, 6), RemoveResult::Removed);
    EXPECT_EQ(month.selection.selectedPair, -1);
    EXPECT_EQ(month.selection.previousPair, 1);
    EXPECT_EQ(month.selection.previousDay, 5);
    EXPECT_EQ(month.selection.previousLane, 2);
}

TEST(AssignPairingTest, TellsTheViewsAndUpdatesTheFigures) {
    SmallMonth month;
    month.schedule.boardBuilt = 1;
    month.Seat(0).lengthDays = 3;
    month.Seat(0).tafb = 2 * 1440 + 600;
    month.Seat(0).dailyCredit = {100, 100, 100};
    month.observer.calls.clear();
    ASSERT_EQ(AssignPairing(month.context, 0, 0, 4, false), AssignResult::Placed);

    const std::vector<ObserverCall>& calls = month.observer.calls;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), (ObserverCall{"cells", 0, 4, 4}));
    EXPECT_EQ(month.observer.Count("pairings"), 1);
    EXPECT_EQ(month.observer.Count("credit"), 1);
    EXPECT_EQ(calls.back(), (ObserverCall{"gauge"}));
    EXPECT_EQ(month.Row(0).blockHours, 5);
    EXPECT_EQ(month.Row(0).blockMinutes, 0);
    EXPECT_EQ(month.schedule.modified, 1);
}

TEST(AssignPairingTest, RunsTheRulesOnTheChangedLine) {
    SmallMonth month(CrewGroup::FirstOfficers);
    PairingBefore(month);
    const int seat = month.AddSeat(8300, 0, 600, 1, 300, {4});
    ASSERT_EQ(AssignPairing(month.context, 0, seat, 4, true), AssignResult::Placed);
    const std::string placed = month.Row(0).illegalitiesText;
    CheckEmployee(month.schedule, 0, false);
    EXPECT_EQ(month.Row(0).illegalitiesText, placed);
    EXPECT_FALSE(placed.empty()) << "six hours of rest break the rest rule";

    ASSERT_EQ(RemovePairing(month.context, 0, seat, 4), RemoveResult::Removed);
    EXPECT_TRUE(month.Row(0).illegalitiesText.empty());
}

// Cabin crew on a French pairing: seat 0 and seat 1 are the two seats of
// F8101; neither crew member is French qualified.
struct FrenchMonth : AssignmentMonth {
    FrenchMonth() : AssignmentMonth(CrewGroup::FlightAttendants) {
        for (int s = 0; s < 2; ++s) {
            const int seat = AddSeat(8101, 480, 600, 1, 300, {4});
            Seat(seat).displayText = "F8101 FRENCH PAIRING";
            Seat(seat).position = "FA";
        }
    }
};

TEST(AssignPairingTest, AsksAboutTheFrenchRule) {
    const std::string junior =
        "Employee NEWER is not French Qualified and is the Junior Cabin Member. One Cabin "
        "Member must be French for this pairing. Do you want to assign it anyway";
    const std::string senior =
        "Employee NEWER is not French Qualified and is Senior to LATER. One Cabin Member must "
        "be French for this pairing. Do you want to assign it anyway";
    struct Case {
        const char* name;
        bool holderFirst;  // the other seat's holder is earlier in the roster
        Answer answer;
        const std::string& question;
    };
    const Case cases[] = {
        {"junior, yes", true, Answer::Yes, junior},
        {"junior, no", true, Answer::No, junior},
        {"senior, yes", false, Answer::Yes, senior},
        {"senior, no", false, Answer::No, senior},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        FrenchMonth month;
        int holder = 0;
        int row = 0;
        if (test.holderFirst) {
            holder = month.AddEmployee("EARLIER", 2001);
            row = month.AddEmployee("NEWER", 2002);
        } else {
            row = month.AddEmployee("NEWER", 2001);
            holder = month.AddEmployee("LATER", 2002);
        }
        month.Hold(holder, 1, 4);
        const LineState before = Capture(month.schedule);

        month.desktop.Answer(test.answer);
        const AssignResult result = AssignPairing(month.context, row, 0, 4, false);
        ASSERT_EQ(month.desktop.messages.size(), 1u);
        EXPECT_EQ(month.desktop.messages[0].text, test.question);
        EXPECT_EQ(month.desktop.messages[0].caption, "Tallowbright");
        EXPECT_EQ(month.desktop.messages[0].icon, MessageIcon::Question);
        if (test.answer == Answer::Yes) {
            EXPECT_EQ(result, AssignResult::Placed);
            EXPECT_EQ(month.Held(row, 4), 0);
        } else {
            EXPECT_EQ(result, AssignResult::Refused);
            EXPECT_EQ(Capture(month.schedule), before);
        }
    }
}

TEST(AssignPairingTest, FrenchQualifiedCrewIsNotAsked) {
    FrenchMonth month;
    const int holder = month.AddEmployee("EARLIER", 2001);
    const int row = month.AddEmployee("NEWER", 2002);
    month.Row(row).ageMedFlags = 1;
    month.Hold(holder, 1, 4);
    EXPECT_EQ(AssignPairing(month.context, row, 0, 4, false), AssignResult::Placed);
    EXPECT_TRUE(month.desktop.messages.empty());
}

TEST(AssignPairingTest, SkipChecksSkipsTheFrenchQuestion) {
    FrenchMonth month;
    const int holder = month.AddEmployee("EARLIER", 2001);
    const int row = month.AddEmployee("NEWER", 2002);
    month.Hold(holder, 1, 4);
    EXPECT_EQ(AssignPairing(month.context, row, 0, 4, true), AssignResult::Placed);
    EXPECT_TRUE(month.desktop.messages.empty());
}

// Every line's rule results, for comparing two states of one month.
std::vector<std::string> RuleTexts(const TSchedule& schedule) {
    std::vector<std::string> texts;
    for (int r = 0; r < schedule.employeeCount; ++r) {
        const TPilot& employee = schedule.employees[static_cast<size_t>(r)];
        texts.push_back(employee.illegalitiesText + "|" + employee.warningsText + "|" +
                        employee.carsText);
    }
    return texts;
}

TEST(AssignmentPropertyTest, RemovingEveryAssignmentAndPuttingItBackKeepsTheRuleTexts) {
    const CrewGroup groups[] = {CrewGroup::Captains, CrewGroup::FirstOfficers,
                                CrewGroup::FlightAttendants};
    for (unsigned seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        AssignmentMonth month(groups[seed % 3]);
        FillRandomMonth(month, rng);
        const TSchedule& schedule = month.schedule;
        for (int attempt = 0; attempt < 60; ++attempt) {
            const int row = std::uniform_int_distribution<int>(0, schedule.employeeCount - 1)(rng);
            const int seat = std::uniform_int_distribution<int>(0, schedule.lastPairing)(rng);
            const int day = std::uniform_int_distribution<int>(0, schedule.dayCount - 1)(rng);
            AssignPairing(month.context, row, seat, day, true);
        }
        struct Placement {
            int row;
            int seat;
            int day;
        };
        std::vector<Placement> placements;
        for (int r = 0; r < schedule.employeeCount; ++r) {
            for (int d = 0; d < schedule.dayCount; ++d) {
                if (month.Held(r, d) >= 0) {
                    placements.push_back({r, month.Held(r, d), d});
                }
            }
        }
        ASSERT_FALSE(placements.empty());
        const std::vector<std::string> rules = RuleTexts(schedule);
        const LineState lines = Capture(schedule);

        for (const Placement& p : placements) {
            ASSERT_EQ(RemovePairing(month.context, p.row, p.seat, p.day), RemoveResult::Removed);
        }
        for (auto p = placements.rbegin(); p != placements.rend(); ++p) {
            ASSERT_EQ(AssignPairing(month.context, p->row, p->seat, p->day, true),
                      AssignResult::Placed);
        }
        EXPECT_EQ(RuleTexts(schedule), rules);
        LineState after = Capture(schedule);
        after.history = lines.history;
        EXPECT_EQ(after, lines);
    }
}

}  // namespace
}  // namespace tallow::testing
