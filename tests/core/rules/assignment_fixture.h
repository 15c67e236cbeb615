#pragma once
// Minimal months for the assignment tests: a 30-day period (April 2025, no
// clock change), rows and seats added one at a time, a recording observer,
// and a generator of random small months for the property checks.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/model/date.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/pairings/pairing_selection.h"
#include "core/rules/assignment_context.h"
#include "support/scripted_desktop.h"

namespace tallow::testing {

struct ObserverCall {
    std::string what;
    int a = 0;
    int b = 0;
    int c = 0;
    friend bool operator==(const ObserverCall&, const ObserverCall&) = default;
};

class RecordingObserver : public ScheduleObserver {
  public:
    void RepaintCells(int row, int firstDay, int days) override {
        calls.push_back({"cells", row, firstDay, days});
    }
    void RepaintRow(int row) override { calls.push_back({"row", row}); }
    void RepaintCredit(int row) override { calls.push_back({"credit", row}); }
    void RepaintNames() override { calls.push_back({"names"}); }
    void RepaintDayBalance(int day) override { calls.push_back({"balance", day}); }
    void BlockHolderLineChanged() override { calls.push_back({"line"}); }
    void PairingsChanged() override { calls.push_back({"pairings"}); }
    void TimeBankChanged(int32_t minutes) override {
        calls.push_back({"timebank", minutes});
        timeBank = minutes;
    }
    void OpenCreditChanged() override { calls.push_back({"gauge"}); }

    int Count(const std::string& what) const {
        int n = 0;
        for (const ObserverCall& call : calls) {
            n += call.what == what ? 1 : 0;
        }
        return n;
    }

    std::vector<ObserverCall> calls;
    int32_t timeBank = 0;
};

struct AssignmentMonth {
    explicit AssignmentMonth(CrewGroup group = CrewGroup::Captains) {
        schedule.DeleteAll();
        schedule.crewGroup = group;
        schedule.SetPeriod(Date::FromDmy(1, 4, 2025), Date::FromDmy(30, 4, 2025), desktop);
        schedule.scheduleTitle = "YVRDH8CAV";
        schedule.observer = &observer;
    }
    AssignmentMonth(const AssignmentMonth&) = delete;
    AssignmentMonth& operator=(const AssignmentMonth&) = delete;

    TPilot& Row(int row) { return schedule.employees[static_cast<size_t>(row)]; }
    TPair& Seat(int seat) { return schedule.pairings[static_cast<size_t>(seat)]; }
    int32_t Operates(int seat, int day) { return Seat(seat).operates[static_cast<size_t>(day)]; }
    int32_t Held(int row, int day) { return Row(row).dayPairing[static_cast<size_t>(day)]; }

    int AddEmployee(const std::string& name, int32_t number) {
        const int row = schedule.employeeCount++;
        Row(row).Clear();
        Row(row).name = name;
        Row(row).employeeNumber = number;
        return row;
    }
    int AddEmployee(const std::string& name) {
        return AddEmployee(name, 1000 + schedule.employeeCount);
    }

    // A seat reporting at `report` on each of `days`, away for `tafb`,
    // `length` calendar days long, its credit spread over its days.
    int AddSeat(int32_t number, int32_t report, int32_t tafb, int length, int32_t credit,
                std::initializer_list<int> days) {
        const int seat = ++schedule.lastPairing;
        TPair& pair = Seat(seat);
        pair.Clear();
        pair.number = number;
        pair.seriesCode = "V8";
        pair.position = "CA";
        pair.reportTime = report;
        pair.tafb = tafb;
        pair.releaseTime = (report + tafb) % 1440;
        pair.lengthDays = static_cast<uint8_t>(length);
        pair.totalCredit = credit;
        for (int k = 0; k < length; ++k) {
            const auto entry = static_cast<size_t>(k);
            pair.dailyCredit[entry] = credit / length + (k == length - 1 ? credit % length : 0);
            pair.dailyStart[entry] = k == 0 ? report : 480;
            pair.dailyDuty[entry] = 600;
            pair.dailyHard[entry] = 300;
        }
        for (int d : days) {
            pair.operates[static_cast<size_t>(d)] = kOperatesOpen;
        }
        return seat;
    }

    // A toolbox day placed on the line.
    void PlaceCode(int row, int day, int32_t start, int32_t atWork, bool duty,
                   const std::string& code = "OFC", int32_t credit = 0) {
        const auto entry = static_cast<size_t>(day);
        TPilot& employee = Row(row);
        employee.dayPairing[entry] = kDayToolbox;
        employee.dayCode[entry] = code;
        employee.dayDetail[entry] = {};
        employee.dayDetail[entry][kDetailStart] = start;
        employee.dayDetail[entry][kDetailTimeAtWork] = atWork;
        employee.dayDetail[entry][kDetailCredit] = credit;
        employee.dayDetail[entry][kDetailContainsDuty] = duty ? 1 : 0;
    }

    // Puts a seat on a line directly, as a loaded file would hold it.
    void Hold(int row, int seat, int day) {
        Row(row).dayPairing[static_cast<size_t>(day)] = seat;
        Seat(seat).operates[static_cast<size_t>(day)] = kOperatesAssigned;
    }

    ScriptedDesktop desktop;
    std::unique_ptr<TSchedule> owned = std::make_unique<TSchedule>();
    TSchedule& schedule = *owned;
    RecordingObserver observer;
    PairingSelection selection;
    EditContext context{schedule, desktop, selection};
};

// The lines, the seats and the history: what a refused operation must leave
// as it found it.
struct LineState {
    std::vector<PerDay<int32_t>> lines;
    std::vector<PairDays> seats;
    std::string history;
    friend bool operator==(const LineState&, const LineState&) = default;
};

inline LineState Capture(const TSchedule& schedule) {
    LineState state;
    for (int r = 0; r < schedule.employeeCount; ++r) {
        state.lines.push_back(schedule.employees[static_cast<size_t>(r)].dayPairing);
    }
    for (int s = 0; s <= schedule.lastPairing; ++s) {
        state.seats.push_back(schedule.pairings[static_cast<size_t>(s)].operates);
    }
    state.history = schedule.undoHistory.ToText();
    return state;
}

// A random small month: a handful of rows and seats, some toolbox days,
// nobody bidding reserve, so placements with skipChecks ask nothing.
inline void FillRandomMonth(AssignmentMonth& month, std::mt19937& rng) {
    auto pick = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    const int rows = pick(3, 8);
    for (int r = 0; r < rows; ++r) {
        month.AddEmployee(Format("EMP%02d", r), r == 0 ? 0 : 500 + r);
    }
    const int seats = pick(4, 16);
    const int days = month.schedule.dayCount;
    for (int s = 0; s < seats; ++s) {
        const int length = pick(1, 4);
        const int report = pick(300, 1200);
        const int tafb = (length - 1) * 1440 + pick(400, 700);
        const int seat = month.AddSeat(8100 + s / 2, report, tafb, length, pick(300, 1400), {});
        for (int d = 0; d < days; ++d) {
            if (pick(0, 3) == 0) {
                month.Seat(seat).operates[static_cast<size_t>(d)] = pick(0, 4) == 0 ? -1 : 1;
            }
        }
    }
    for (int r = 0; r < rows; ++r) {
        for (int n = pick(0, 3); n > 0; --n) {
            const int day = pick(0, days - 1);
            if (month.Held(r, day) == kDayFree) {
                month.PlaceCode(r, day, pick(0, 1000), pick(0, 600), pick(0, 1) == 1,
                                pick(0, 1) == 1 ? "VAC" : "OFC", pick(0, 400));
            }
        }
    }
}

}  // namespace tallow::testing
