#pragma once
// Minimal months for the block-rule tests: a period (April 2024 unless a test
// asks for another: 30 days, last month ends on 31 March), employee rows and
// seats added one at a time, toolbox days and last-month records, and a
// recorder of the rows the rules ask to repaint.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/model/date.h"
#include "core/model/schedule.h"
#include "core/rules/rule_line.h"
#include "support/scripted_desktop.h"

namespace tallow::testing::blocks {

class RepaintRecorder : public ScheduleObserver {
  public:
    void RepaintRow(int row) override { rows.push_back(row); }
    std::vector<int> rows;
};

struct ToolboxDay {
    std::string code = "OFC";
    std::string crewCode = "";
    int32_t start = 0;
    int32_t timeAtWork = 0;
    bool duty = false;
    bool reserve = false;
    int32_t hard = 0;
    int32_t credit = 0;
};

class RuleMonth {
  public:
    explicit RuleMonth(CrewGroup group = CrewGroup::Captains,
                       Date start = Date::FromDmy(1, 4, 2024),
                       Date end = Date::FromDmy(30, 4, 2024))
        : schedule_(std::make_unique<TSchedule>()) {
        ScriptedDesktop desktop;
        schedule_->SetPeriod(start, end, desktop);
        schedule_->crewGroup = group;
        schedule_->setup[kCheckPilotMaxCredit] = kDefaultCheckPilotMaxCredit;
        schedule_->observer = &recorder;
    }
    RuleMonth(const RuleMonth&) = delete;
    RuleMonth& operator=(const RuleMonth&) = delete;

    TSchedule& Schedule() { return *schedule_; }
    TPilot& Employee(int row) { return schedule_->employees[static_cast<size_t>(row)]; }
    TPair& Seat(int seat) { return schedule_->pairings[static_cast<size_t>(seat)]; }
    int Len() const { return schedule_->dayCount; }

    // A new roster row with a real employee number.
    int AddEmployee() {
        const int row = schedule_->employeeCount++;
        Employee(row).employeeNumber = 1000 + row;
        Employee(row).name = "EMPLOYEE " + std::to_string(row);
        return row;
    }

    // A new seat of one duty day per calendar day, numbered 8100 + its index
    // unless `number` says otherwise; per-day figures are set by the test.
    int AddSeat(int32_t reportTime, int32_t tafb, int lengthDays = 1, int32_t number = -1) {
        const int seat = ++schedule_->lastPairing;
        TPair& pairing = Seat(seat);
        pairing.reportTime = reportTime;
        pairing.tafb = tafb;
        pairing.lengthDays = static_cast<uint8_t>(lengthDays);
        pairing.number = number < 0 ? 8100 + seat : number;
        pairing.seriesCode = "V8";
        return seat;
    }

    void Assign(int row, int seat, int day) {
        Employee(row).dayPairing[static_cast<size_t>(day)] = seat;
        Seat(seat).operates[static_cast<size_t>(day)] = kOperatesAssigned;
    }

    // A new one-day seat with one duty, assigned to `row` on `day`.
    int AssignDuty(int row, int day, int32_t reportTime, int32_t tafb, int32_t hard = 0) {
        const int seat = AddSeat(reportTime, tafb);
        Seat(seat).dailyStart[0] = reportTime;
        Seat(seat).dailyDuty[0] = tafb;
        Seat(seat).dailyHard[0] = hard;
        Assign(row, seat, day);
        return seat;
    }

    void Place(int row, int day, const ToolboxDay& toolbox) {
        TPilot& employee = Employee(row);
        const auto d = static_cast<size_t>(day);
        employee.dayPairing[d] = kDayToolbox;
        employee.dayCode[d] = toolbox.code;
        employee.dayCrewCode[d] = toolbox.crewCode;
        DayValues& detail = employee.dayDetail[d];
        detail = {};
        detail[kDetailStart] = toolbox.start;
        detail[kDetailTimeAtWork] = toolbox.timeAtWork;
        detail[kDetailCredit] = toolbox.credit;
        detail[kDetailHard] = toolbox.hard;
        detail[kDetailReserve] = toolbox.reserve ? 1 : 0;
        detail[kDetailContainsDuty] = toolbox.duty ? 1 : 0;
    }

    DayValues& History(int row, int timelineDay) {
        return Employee(row).history[static_cast<size_t>(timelineDay)];
    }

    RuleLine Line(int row) { return RuleLine(*schedule_, row); }

    // Board days carrying the exception (or warning) flag.
    std::vector<int> Flagged(int row, bool exceptions = true) {
        const auto& flags = exceptions ? Employee(row).dayIllegal : Employee(row).dayWarning;
        std::vector<int> days;
        for (int d = 0; d < kCalendarDays; ++d) {
            if (flags[static_cast<size_t>(d)] != 0) {
                days.push_back(d);
            }
        }
        return days;
    }

    RepaintRecorder recorder;

  private:
    std::unique_ptr<TSchedule> schedule_;
};

}  // namespace tallow::testing::blocks
