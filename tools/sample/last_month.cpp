#include "sample/last_month.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>
#include <utility>

#include "core/model/text_format.h"
#include "sample/rng.h"

namespace tallow::sample {

namespace {

constexpr uint64_t kLastMonthStream = 3;
constexpr int kDay = 1440;
constexpr int kLastDay = kPriorDays - 1;
constexpr size_t kOutsiders =
    3;  // roster employees outside the group, whose lines the import skips
constexpr int kFirstPriorHistoryIndex = kHardTimeHistoryDays - kPriorDays;
constexpr int kMinRestAfterCode = 720;

PriorPairing FromTemplate(const SamplePairing& pairing, int startDay) {
    PriorPairing prior;
    prior.designator = Format("%c%04d", pairing.baseLetter, pairing.number);
    prior.startDay = startDay;
    prior.report = pairing.reportClock;
    prior.tafb = pairing.tafb;
    prior.totalCredit = pairing.totalCredit;
    prior.minRest = pairing.minRest;
    prior.blocks.resize(static_cast<size_t>((prior.report + prior.tafb) / kDay + 1));
    for (const SampleDuty& duty : pairing.duties) {
        int start = prior.report + duty.start;
        int end = prior.report + duty.end;
        prior.duties.push_back({startDay + start / kDay, start % kDay, end % kDay});
        size_t k = static_cast<size_t>(start / kDay);
        if (k >= prior.blocks.size()) {
            prior.blocks.resize(k + 1);
        }
        prior.blocks[k].hardTime += duty.block;
        prior.blocks[k].credit += duty.credit;
        prior.blocks[k].station = duty.station;
    }
    return prior;
}

std::vector<const ToolboxCode*> Codes(bool pilot, std::initializer_list<AbsenceUse> uses) {
    std::vector<const ToolboxCode*> codes;
    for (const ToolboxCode& code : ToolboxCodes()) {
        if (code.pilot == pilot && std::find(uses.begin(), uses.end(), code.use) != uses.end()) {
            codes.push_back(&code);
        }
    }
    return codes;
}

int CodeLength(const ToolboxCode& code) {
    return code.endTime >= code.startTime ? code.endTime - code.startTime
                                          : code.endTime + kDay - code.startTime;
}

class HistoryBuilder {
  public:
    HistoryBuilder(const SampleMonth& month, SampleLastMonth& last, Rng& rng)
        : month_(month),
          last_(last),
          rng_(rng),
          dayCodes_(Codes(month.PilotGroup(),
                          {AbsenceUse::Reserve, AbsenceUse::Training, AbsenceUse::Office})),
          vacations_(Codes(month.PilotGroup(), {AbsenceUse::Vacation})) {
        for (size_t i = 0; i < month.pairings.size(); ++i) {
            if (month.pairings[i].inGroup) {
                templates_.push_back(i);
            }
        }
        if (templates_.empty()) {
            templates_.resize(month.pairings.size());
            std::iota(templates_.begin(), templates_.end(), size_t{0});
        }
    }

    EmployeeHistory Build(size_t employee) {
        EmployeeHistory history;
        history.employee = employee;
        int freeFrom = 0;  // first moment of the timeline the crew member may report
        bool vacationTaken = false;
        for (int day = rng_.Between(0, 2);
             day <= kLastDay && history.entries.size() < kMaxActivityEntries;) {
            int roll = rng_.Below(100);
            if (roll < 55) {
                size_t pick = rng_.Pick(templates_);
                const SamplePairing& pairing = month_.pairings[pick];
                if (day * kDay + pairing.reportClock < freeFrom) {
                    ++day;
                    continue;
                }
                size_t index = Operation(pick, day);
                const PriorPairing& prior = last_.pairings[index];
                history.entries.push_back({index, nullptr, day, day, 0, 0});
                for (size_t k = 0; k < prior.blocks.size(); ++k) {
                    AddHardTime(history, day + static_cast<int>(k), prior.blocks[k].hardTime);
                }
                freeFrom = day * kDay + prior.report + prior.tafb + prior.minRest;
                day = prior.EndDay() + 1 + rng_.Between(0, 2);
            } else if (roll < 70 && !dayCodes_.empty()) {
                const ToolboxCode* code = rng_.Pick(dayCodes_);
                if (day * kDay + code->startTime < freeFrom) {
                    ++day;
                    continue;
                }
                history.entries.push_back({0, code, day, day, code->startTime, code->endTime});
                freeFrom = day * kDay + code->startTime + CodeLength(*code) + kMinRestAfterCode;
                day += 1 + rng_.Between(0, 1);
            } else if (roll < 78 && !vacationTaken && !vacations_.empty()) {
                const ToolboxCode* code = rng_.Pick(vacations_);
                int lastDay = std::min(kLastDay, day + rng_.Between(2, 6));
                history.entries.push_back({0, code, day, lastDay, code->startTime, code->endTime});
                vacationTaken = true;
                freeFrom = std::max(freeFrom, (lastDay + 1) * kDay);
                day = lastDay + 1;
            } else {
                ++day;
            }
        }
        for (int k = 0; k < kFirstPriorHistoryIndex; ++k) {
            if (rng_.Percent(45)) {
                history.hardTime[static_cast<size_t>(k)] = rng_.Step(60, 420, 5);
            }
        }
        return history;
    }

  private:
    // The prior pairing of template `pick` reporting on `day`, shared by
    // every crew member who flew it.
    size_t Operation(size_t pick, int day) {
        auto [at, added] = operations_.try_emplace({pick, day}, last_.pairings.size());
        if (added) {
            last_.pairings.push_back(FromTemplate(month_.pairings[pick], day));
        }
        return at->second;
    }

    static void AddHardTime(EmployeeHistory& history, int day, int minutes) {
        if (day >= 0 && day <= kLastDay) {
            history.hardTime[static_cast<size_t>(kFirstPriorHistoryIndex + day)] += minutes;
        }
    }

    const SampleMonth& month_;
    SampleLastMonth& last_;
    Rng& rng_;
    std::vector<const ToolboxCode*> dayCodes_;
    std::vector<const ToolboxCode*> vacations_;
    std::vector<size_t> templates_;  // the group's own pairings, which its crew flew
    std::map<std::pair<size_t, int>, size_t> operations_;
};

// The extract lists the pairings by date, then designator.
void SortPairings(SampleLastMonth& last) {
    std::vector<size_t> order(last.pairings.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const PriorPairing& x = last.pairings[a];
        const PriorPairing& y = last.pairings[b];
        return std::tie(x.startDay, x.designator) < std::tie(y.startDay, y.designator);
    });
    std::vector<size_t> moved(order.size());
    std::vector<PriorPairing> sorted;
    sorted.reserve(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        moved[order[i]] = i;
        sorted.push_back(std::move(last.pairings[order[i]]));
    }
    last.pairings = std::move(sorted);
    for (EmployeeHistory& history : last.crew) {
        for (PriorActivity& entry : history.entries) {
            if (entry.code == nullptr) {
                entry.pairing = moved[entry.pairing];
            }
        }
    }
}

}  // namespace

SampleLastMonth BuildLastMonth(const SampleMonth& month) {
    SampleLastMonth last;
    if (month.pairings.empty()) {
        return last;
    }
    Rng rng = Rng::Stream(month.options.seed, kLastMonthStream);
    HistoryBuilder builder(month, last, rng);
    size_t outsiders = 0;
    for (size_t i = 0; i < month.employees.size(); ++i) {
        if (month.employees[i].selected || outsiders++ < kOutsiders) {
            last.crew.push_back(builder.Build(i));
        }
    }
    SortPairings(last);
    return last;
}

std::string TimelineDateText(const SampleMonth& month, int day) {
    Date date = month.DayDate(day - kPriorDays);
    return Format("%04d%02d%02d", date.Year(), date.Month(), date.Day());
}

}  // namespace tallow::sample
