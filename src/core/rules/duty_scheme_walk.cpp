#include "core/rules/duty_scheme_walk.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/import/toolbox_definitions.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/rules/duty_window.h"

namespace tallow {
namespace {

constexpr int kFirstCheckedDay = 27;
constexpr int kFirstTailSearchDay = 11;
constexpr int64_t kTailGrace = 30;
constexpr int64_t kSixtyHours = 3600;
constexpr int kMinimumSdfdIn28 = 4;
constexpr int kSeventyLookBack = 20;
constexpr int kRestBlockDays = 5;
constexpr int64_t kTwelveHours = 720;
constexpr int64_t kSeventyEarliestStart = 420;
constexpr int64_t kSeventyLatestEnd = 1440;
constexpr int32_t kFallBack = -60;
constexpr int64_t kWeekAfterChange = 10080;

enum class Scheme { Sixty, Seventy };

class SchemeWalk {
  public:
    SchemeWalk(DutyTimeline& line, const TSchedule& schedule, DutyRuleSet rules, TPilot& pilot)
        : line_(line),
          calendar_(schedule),
          pilot_(pilot),
          monthLength_(MonthLength(schedule)),
          fallBackTest_(rules == DutyRuleSet::Current && schedule.dstShift == kFallBack &&
                        HomeBaseObservesDst(schedule)) {}

    void Run();

  private:
    bool FailsSixty(int m);
    bool FailsSeventy(int m);
    // The end of the duty period that makes day m a tail day: m has no duty
    // of its own and the nearest earlier period ends in its first half hour.
    std::optional<int64_t> TailPeriodEnd(int m) const;
    bool AfterFallBack(int64_t end) const;
    int CountSdfd(int first, int last) const;
    // The latest day of the first five consecutive sdfd days found looking
    // back from m over 21 days; -1 when there are none.
    int RestBlockEnd(int m) const;
    int FindFiveLnr(int m, int lastSwitch) const;
    void Log(const std::string& text) { pilot_.carsText += text; }

    DutyTimeline& line_;
    const ScheduleCalendar& calendar_;
    TPilot& pilot_;
    int monthLength_;
    bool fallBackTest_;
    bool over2448Ready_ = false;
};

void SchemeWalk::Run() {
    Scheme scheme = Scheme::Sixty;
    Scheme saved = Scheme::Sixty;
    int lastSwitch = 0;
    bool firstFailure = true;
    bool switched = false;
    int failureDay = 0;
    const int last = std::min(monthLength_ + 37, kLastTimelineDay);
    for (int m = kFirstCheckedDay; m <= last; ++m) {
        if (!line_.dutyDay[Slot(m)]) {
            continue;
        }
        const CalendarDate date = TimelineDate(calendar_, m);
        Log(Format("Checking %02d/%02d/%04d", date.day, date.month, date.year));
        const bool failed = scheme == Scheme::Sixty ? FailsSixty(m) : FailsSeventy(m);
        if (!failed) {
            firstFailure = true;
            continue;
        }
        if (firstFailure) {
            firstFailure = false;
            failureDay = m;
            const int f = FindFiveLnr(m, lastSwitch);
            if (f >= 0) {
                saved = scheme;
                scheme = scheme == Scheme::Sixty ? Scheme::Seventy : Scheme::Sixty;
                lastSwitch = f + 1;
                switched = true;
                Log("ATTEMPT LOGIC CHANGE to");
                Log(scheme == Scheme::Seventy ? " 70/7 " : " 60/7 ");
                if (f - kMonthOnTimeline >= monthLength_) {
                    Log("Next Month.+");
                } else {
                    const CalendarDate block = TimelineDate(calendar_, f);
                    Log(Format("on %d/%d/%d.+", block.day, block.month, block.year));
                }
                m = f;  // the walk goes on from the day after the rest block
                continue;
            }
        }
        const int flagged = std::max(m, failureDay);
        line_.failDay[Slot(flagged)] = true;
        m = flagged;
        scheme = saved;
        if (switched) {
            Log("ATTEMPT LOGIC CHANGE FAIL. +");
            switched = false;
        }
        firstFailure = true;
    }
}

bool SchemeWalk::FailsSixty(int m) {
    bool failed = false;
    if (pilot_.dutyTotals[Slot(m)][1] > kSixtyHours) {
        Log(" FAIL 60HR/7D");
        failed = true;
    }
    const std::optional<int64_t> tailEnd = TailPeriodEnd(m);
    if (!tailEnd) {
        if (CountSdfd(m - 6, m) == 0) {
            Log(" FAIL 2LNR");
            failed = true;
        }
        if (CountSdfd(m - 27, m) < kMinimumSdfdIn28) {
            Log(" FAIL 4SDFD");
            failed = true;
        }
    } else if (fallBackTest_ && AfterFallBack(*tailEnd) && CountSdfd(m - 6, m - 1) == 0) {
        Log(" FAIL 2LNR");
        failed = true;
    }
    if (!failed) {
        Log(" PASSED 2LNR 60/7 4SDFD");
    }
    Log("+");
    return failed;
}

bool SchemeWalk::FailsSeventy(int m) {
    if (!over2448Ready_) {
        line_.over2448 = Over24In48(line_);
        over2448Ready_ = true;
    }
    bool failed = false;
    const int blockEnd = RestBlockEnd(m);
    if (blockEnd < 0) {
        Log(" FAIL 5LNR/21");
        failed = true;
    }
    for (int x = m; blockEnd >= 0 && x >= blockEnd; --x) {
        const int64_t start = line_.dayStart[Slot(x)];
        if (pilot_.dutyTotals[Slot(x)][0] > kTwelveHours) {
            Log(" FAIL 12HR DUTY");
            failed = true;
        } else if (line_.HasDutyStart(x) &&
                   (start < kSeventyEarliestStart ||
                    start + line_.dayLength[Slot(x)] > kSeventyLatestEnd)) {
            Log(" FAIL EARLY/LATE DUTY");
            failed = true;
        } else if (line_.over2448[Slot(x)]) {
            Log(" FAIL 24DUTY in 48HR");
            failed = true;
        }
    }
    Log(failed ? " FAILED 70/7.+" : " PASSED 70/7.+");
    return failed;
}

std::optional<int64_t> SchemeWalk::TailPeriodEnd(int m) const {
    if (line_.dayStart[Slot(m)] >= 1 || line_.dayLength[Slot(m)] >= 1) {
        return std::nullopt;
    }
    for (int s = m - 1; s >= kFirstTailSearchDay; --s) {
        if (line_.HasPeriod(s)) {
            const int64_t end = line_.PeriodEnd(s);
            const int64_t dayBegin = m * kDayLength;
            if (end >= dayBegin && end <= dayBegin + kTailGrace) {
                return end;
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool SchemeWalk::AfterFallBack(int64_t end) const {
    const int64_t change = calendar_.dstChangeAt + kMonthOnTimeline * kDayLength;
    return end >= change && end <= change + kWeekAfterChange;
}

int SchemeWalk::CountSdfd(int first, int last) const {
    int count = 0;
    for (int t = std::max(first, 0); t <= last && t <= kLastTimelineDay; ++t) {
        count += line_.sdfd[Slot(t)] ? 1 : 0;
    }
    return count;
}

int SchemeWalk::RestBlockEnd(int m) const {
    int run = 0;
    for (int x = m; x >= std::max(m - kSeventyLookBack, 0); --x) {
        run = line_.sdfd[Slot(x)] ? run + 1 : 0;
        if (run == kRestBlockDays) {
            return x + kRestBlockDays - 1;
        }
    }
    return -1;
}

int SchemeWalk::FindFiveLnr(int m, int lastSwitch) const {
    for (int f = m; f > lastSwitch && f >= 0; --f) {
        if (line_.fiveLnr[Slot(f)]) {
            return f;
        }
    }
    return -1;
}

}  // namespace

void WalkDutySchemes(DutyTimeline& line, const TSchedule& schedule, DutyRuleSet rules,
                     TPilot& pilot) {
    SchemeWalk(line, schedule, rules, pilot).Run();
}

}  // namespace tallow
