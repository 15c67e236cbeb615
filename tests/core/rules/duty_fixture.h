#pragma once
// Minimal pilot lines for the duty-time check: one employee in a schedule of
// a chosen month, with duties placed as toolbox assignments, pairings or
// last-month history records, and helpers to read the results back.

#include <memory>
#include <string>
#include <vector>

#include "core/model/date.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/rules/duty_time_check.h"
#include "support/scripted_desktop.h"

namespace tallow::testing {

// One duty day of a pairing: where it starts, how long it lasts, and the
// rest at the layover after it.
struct PairingDay {
    int32_t start = 0;
    int32_t duty = 0;
    int32_t layoverRest = 0;
};

class DutyLine {
  public:
    // A line in the default period of the month (April 2024: 30 days, no
    // clock change; the timeline's day 0 is 1 March).
    explicit DutyLine(int month = 4, int year = 2024) : schedule_(std::make_unique<TSchedule>()) {
        const Period period = ScheduleCalendar::DefaultPeriod(month, year);
        ScriptedDesktop desktop;
        schedule_->SetPeriod(period.start, period.end, desktop);
        schedule_->ExtendCalendar();
        schedule_->employeeCount = 1;
        Pilot().employeeNumber = 4711;
        Pilot().name = "DUTY TEST";
    }

    TSchedule& Schedule() { return *schedule_; }
    TPilot& Pilot() { return schedule_->employees[0]; }

    // A toolbox assignment with duty and CARs duty on board day d.
    void Toolbox(int d, int32_t start, int32_t length, bool reserve = false) {
        const size_t day = static_cast<size_t>(d);
        Pilot().dayPairing[day] = kDayToolbox;
        Pilot().dayCode[day] = reserve ? "RB" : "OFC";
        DayValues& detail = Pilot().dayDetail[day];
        detail = {};
        detail[kDetailStart] = start;
        detail[kDetailTimeAtWork] = length;
        detail[kDetailReserve] = reserve ? 1 : 0;
        detail[kDetailContainsDuty] = 1;
        detail[kDetailCarsDuty] = 1;
    }

    // A pairing starting on board day d with its check-in, time away from base
    // and duty days; the seat's dailyStart is the duty start too unless
    // `dailyStarts` gives the old rule set's own figures.
    TPair& Pairing(int d, int32_t report, int32_t tafb, const std::vector<PairingDay>& days,
                   const std::vector<int32_t>& dailyStarts = {}) {
        const int32_t seat = ++schedule_->lastPairing;
        TPair& pair = schedule_->pairings[static_cast<size_t>(seat)];
        pair.number = 8100 + seat;
        pair.reportTime = report;
        pair.tafb = tafb;
        pair.lengthDays = static_cast<uint8_t>(days.size());
        pair.dutyStartAt.fill(-1);
        for (size_t k = 0; k < days.size(); ++k) {
            pair.dutyStartAt[k] = days[k].start;
            pair.dailyStart[k] = k < dailyStarts.size() ? dailyStarts[k] : days[k].start;
            pair.dailyDuty[k] = days[k].duty;
            pair.layoverRest[k] = days[k].layoverRest;
        }
        pair.operates[static_cast<size_t>(d)] = kOperatesAssigned;
        Pilot().dayPairing[static_cast<size_t>(d)] = seat;
        return pair;
    }

    // A single duty of last month's activity on timeline day t; worked 2 is reserve.
    void HistoryDuty(int t, int32_t start, int32_t length, int32_t worked = 1) {
        DayValues& record = Pilot().history[static_cast<size_t>(t)];
        record = {};
        record[kHistoryDutyStart] = start;
        record[kHistoryDuty] = length;
        record[kHistoryWorked] = worked;
        record[kHistoryCarsDuty] = 1;
        Pilot().historyCode[static_cast<size_t>(t)] = worked == 2 ? "RB " : "SIM";
    }

    // The first day of last month's pairing on timeline day t.
    void HistoryPairing(int t, int32_t start, int32_t tafb, int32_t dutyStart, int32_t duty) {
        DayValues& record = Pilot().history[static_cast<size_t>(t)];
        record = {};
        record[kHistoryPairingStart] = start;
        record[kHistoryTafb] = tafb;
        record[kHistoryDutyStart] = dutyStart;
        record[kHistoryDuty] = duty;
        record[kHistoryWorked] = 1;
        record[kHistoryCarsDuty] = 1;
        Pilot().historyCode[static_cast<size_t>(t)] = "V8101";
    }

    // Runs a check the way the block rules do: results emptied first.
    void Check(bool oldRules = false) {
        TPilot& pilot = Pilot();
        pilot.illegalitiesText.clear();
        pilot.warningsText.clear();
        pilot.carsText.clear();
        pilot.dayIllegal.fill(0);
        pilot.dayWarning.fill(0);
        if (oldRules) {
            DutyTimeCheckOld(*schedule_, 0);
        } else {
            DutyTimeCheck(*schedule_, 0);
        }
    }

    // The "dd/mm/yyyy" text of timeline day t, worked out from the period's start.
    std::string DateText(int t) {
        const Date date = ToDate(schedule_->days[0]).AddDays(t - 31);
        return Format("%02d/%02d/%04d", date.Day(), date.Month(), date.Year());
    }

    // The log line of the check of timeline day t ("Checking ..."), without
    // its "+"; empty when the day was not checked. The last one when the day
    // was checked more than once.
    std::string CheckLine(int t) {
        std::string found;
        for (const std::string& line : Split(Pilot().carsText)) {
            if (line.rfind("Checking " + DateText(t), 0) == 0) {
                found = line;
            }
        }
        return found;
    }

    // The table line of timeline day t, without its "+".
    std::string TableLine(int t) {
        const std::vector<std::string> lines = Split(Pilot().carsText);
        const size_t index = lines.size() - static_cast<size_t>(kTimelineDays - t);
        return lines[index];
    }

    // A "+"-separated text as its items.
    static std::vector<std::string> Split(const std::string& text) {
        std::vector<std::string> items;
        size_t begin = 0;
        for (size_t plus = text.find('+'); plus != std::string::npos;
             plus = text.find('+', begin)) {
            items.push_back(text.substr(begin, plus - begin));
            begin = plus + 1;
        }
        return items;
    }

  private:
    std::unique_ptr<TSchedule> schedule_;
};

}  // namespace tallow::testing
