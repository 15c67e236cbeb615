#include "core/rules/duty_results.h"

#include <algorithm>
#include <string>

#include "core/model/pilot.h"
#include "core/model/text_format.h"

namespace tallow {
namespace {

constexpr int kFirstReportedDay = 17;
constexpr int kLastReportedDay = 68;

constexpr const char* kLegend =
    "--------------------------------------------------------------------------------+"
    "RULE CHECKING DATA ARRAYS+"
    "--------------------------------------------------------------------------------+"
    "DUTY IS ANY QUALIFING DUTY THAT DAY+"
    "LNR IS LOCAL NIGHT REST PROCEEDING NIGHT+2LNR&SDFD IS A SDFFD WITH A LNR ON EACH SIDE+"
    "5LNR IS 5 LNR AND 5 DAYS OFF TO SWAP 70/7 OR 60/6+"
    "BELOW POPULATED IF 70/7 AND DUTY <= 12 PASS+>2448 IS OVER 24 HR DUTY IN 48.+"
    "ELN IS EARLY LATE OT NIGHT DUTY+"
    "--------------------------------------------------------------------------------+";

}  // namespace

void ReportSchemeFailures(const DutyTimeline& line, const ScheduleCalendar& calendar,
                          TPilot& pilot) {
    if (std::none_of(line.failDay.begin(), line.failDay.end(), [](bool day) { return day; })) {
        return;
    }
    const int monthLength = MonthLength(calendar);
    std::string item = " 60h/7d 2LNR Rules";
    for (int m = kFirstReportedDay; m <= kLastReportedDay; ++m) {
        if (!line.failDay[Slot(m)]) {
            continue;
        }
        const int d = m - kMonthOnTimeline;
        if (d < 0) {
            const CalendarDate& date = calendar.previousDays[Slot(m)];
            item += Format("%02d/%02d/%04d.", date.day, date.month, date.year);
        } else if (d < monthLength) {
            item += Format(" %d", calendar.days[Slot(d)].day);
            pilot.dayIllegal[Slot(d)] = 1;
        } else {
            item += " C/Out";
            pilot.dayIllegal[Slot(d)] = 1;
            break;
        }
    }
    pilot.illegalitiesText += item + "+";
}

void WriteDutyTable(const DutyTimeline& line, const ScheduleCalendar& calendar, TPilot& pilot) {
    std::string& log = pilot.carsText;
    log += kLegend;
    for (int t = 0; t <= kLastTimelineDay; ++t) {
        const size_t day = Slot(t);
        const CalendarDate date = TimelineDate(calendar, t);
        log += Format("%02d/%02d/%04d  ", date.day, date.month, date.year);
        if (line.dutyDay[day]) {
            log += "DUTY   ";
        }
        if (line.lnr[day]) {
            log += "LNR   ";
        }
        if (line.sdfd[day]) {
            log += "2LNSDFD  ";
        }
        if (line.fiveLnr[day]) {
            log += "5LNR   ";
        }
        if (line.over2448[day]) {
            log += ">2448  ";
        }
        if (line.elnCode[day] == 1) {
            log += "ELN   ";
        }
        log += "+";
    }
}

}  // namespace tallow
