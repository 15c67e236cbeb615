#include "sample/pairing_builder.h"

#include <algorithm>
#include <map>
#include <utility>

#include "sample/trip_builder.h"

namespace tallow::sample {

namespace {

constexpr int kContinuousPercent = 6;
constexpr size_t kContinuousEvery = 15;  // in the group, so that every month has a few
constexpr size_t kContinuousIndex = 9;
constexpr int kSecondDigitPercent = 30;
constexpr int kWorkedDaysPercent = 45;  // share of the month a group member flies
constexpr int kMonthEndEvery = 10;
constexpr int kMonthEndIndex = 3;
constexpr int kClockChangeEvery = 12;
constexpr int kMaxExceptions = 2;
constexpr int kMinOperationsForExceptions = 5;
constexpr int kMaxDecoyOperations = 8;
constexpr int kMinDecoys = 3;
constexpr int kDecoyShare = 8;  // one decoy for every eight group pairings
constexpr int kNumbersPerDigit = 999;
constexpr int kFirstNumber = 101;

int DutyDays(Rng& rng) {
    int draw = rng.Below(100);
    if (draw < 25) {
        return 1;
    }
    if (draw < 50) {
        return 2;
    }
    if (draw < 75) {
        return 3;
    }
    return draw < 90 ? 4 : 5;
}

// Pairing numbers run from x101 per base letter and equipment digit x. A
// month that needs more than a digit's 999 numbers starts over; the import
// keeps such pairings apart because the same number never follows itself.
class NumberPlan {
  public:
    int Next(char letter, char digit) {
        int used = next_[{letter, digit}]++;
        return (digit - '0') * 1000 + 1 + (kFirstNumber - 1 + used) % kNumbersPerDigit;
    }

  private:
    std::map<std::pair<char, char>, int> next_;
};

class PairingPlanner {
  public:
    PairingPlanner(const SampleMonth& month, Rng& rng) : month_(month), rng_(rng) {}

    std::vector<SamplePairing> Build() {
        std::vector<SamplePairing> group = Group();
        ScheduleGroup(group);
        std::vector<SamplePairing> decoys = Decoys();
        for (SamplePairing& decoy : decoys) {
            size_t at = static_cast<size_t>(rng_.Below(static_cast<int>(group.size()) + 1));
            group.insert(group.begin() + static_cast<std::ptrdiff_t>(at), std::move(decoy));
        }
        return group;
    }

  private:
    const Network& NetworkOf(const std::string& base, const Equipment& equipment) {
        auto key = std::make_pair(base, std::string(equipment.code));
        auto found = networks_.find(key);
        if (found == networks_.end()) {
            found = networks_.emplace(key, MakeNetwork(*FindAirport(base), equipment)).first;
        }
        return found->second;
    }

    SamplePairing Trip(const std::string& base, char letter, const Equipment& equipment,
                       bool continuous) {
        char digit = equipment.digit;
        if (equipment.secondDigit != 0 && rng_.Percent(kSecondDigitPercent)) {
            digit = equipment.secondDigit;
        }
        TripKind kind = continuous ? TripKind::ContinuousDuty : TripKind::Regular;
        SamplePairing trip = MakeTrip(rng_, NetworkOf(base, equipment), kind, DutyDays(rng_));
        if (digit != equipment.digit) {
            trip.pursers = 0;  // the smaller variant of the type
        }
        trip.baseLetter = letter;
        trip.number = numbers_.Next(letter, digit);
        return trip;
    }

    const Equipment& GroupEquipment() {
        const Equipment& own = *FindEquipment(month_.options.equipment);
        if (month_.PilotGroup() || rng_.Percent(50)) {
            return own;
        }
        auto fleet = Fleet();
        return fleet[static_cast<size_t>(rng_.Below(static_cast<int>(fleet.size())))];
    }

    // The group's pairings, cut so that their seats fit a schedule.
    std::vector<SamplePairing> Group() {
        const std::string& status = month_.options.status;
        std::vector<SamplePairing> group;
        int seats = 0;
        while (static_cast<int>(group.size()) < month_.options.pairings &&
               seats < kMaxSampleSeats) {
            bool continuous = group.size() % kContinuousEvery == kContinuousIndex;
            SamplePairing trip =
                Trip(month_.options.base, month_.baseLetter, GroupEquipment(), continuous);
            int room = kMaxSampleSeats - seats;
            if (status == "CA") {
                trip.captains = std::min(trip.captains, room);
            } else if (status == "FO") {
                trip.officers = std::min(trip.officers, room);
            } else {
                trip.pursers = std::min(trip.pursers, room);
                trip.attendants = std::min(trip.attendants, room - trip.pursers);
            }
            trip.inGroup = true;
            seats += trip.Seats(status);
            group.push_back(std::move(trip));
        }
        return group;
    }

    int Weekday(int day) const { return month_.DayDate(day).Weekday() - 1; }

    // The first period day on which the pairing would report before the clock
    // change and release after it; -1 when there is none.
    int ClockChangeStart(const SamplePairing& pairing) const {
        int changeDay = month_.dstChangeAt / 1440;
        for (int day = changeDay; day >= 0 && day >= changeDay - kMaxTripDays; --day) {
            int report = month_.ReportMoment(pairing, day);
            if (report < month_.dstChangeAt && report + pairing.tafb >= month_.dstChangeAt) {
                return day;
            }
        }
        return -1;
    }

    // Operations of about `wanted` days on a weekly pattern, optionally
    // starting on `first` or ending on the period's last day.
    void Schedule(SamplePairing& pairing, int wanted, int first, bool toMonthEnd) {
        int dayCount = month_.dayCount;
        wanted = std::clamp(wanted, 1, dayCount);
        int patternDays = std::clamp((wanted * 7 + dayCount - 1) / dayCount + rng_.Below(2), 1, 7);
        std::vector<int> weekdays = {0, 1, 2, 3, 4, 5, 6};
        rng_.Shuffle(weekdays);
        pairing.weekdays.fill(false);
        for (int i = 0; i < patternDays; ++i) {
            pairing.weekdays[static_cast<size_t>(weekdays[static_cast<size_t>(i)])] = true;
        }
        if (first >= 0) {
            pairing.weekdays[static_cast<size_t>(Weekday(first))] = true;
        }
        if (toMonthEnd) {
            pairing.weekdays[static_cast<size_t>(Weekday(dayCount - 1))] = true;
        }
        std::vector<int> candidates;
        for (int day = std::max(first, 0); day < dayCount; ++day) {
            if (pairing.weekdays[static_cast<size_t>(Weekday(day))]) {
                candidates.push_back(day);
            }
        }
        int count = static_cast<int>(candidates.size());
        int operations = std::min(wanted, count);
        int exceptions = 0;
        if (operations >= kMinOperationsForExceptions && count > operations) {
            exceptions = rng_.Between(0, std::min(kMaxExceptions, count - operations));
        }
        int width = operations + exceptions;
        int from = rng_.Below(count - width + 1);
        if (first >= 0) {
            from = 0;
        } else if (toMonthEnd) {
            from = count - width;
        }
        std::vector<int> window(candidates.begin() + from, candidates.begin() + from + width);
        pairing.firstDay = window.front();
        pairing.lastDay = window.back();
        pairing.exceptions.fill(-1);
        for (int k = 0; k < exceptions; ++k) {
            // Never the window's ends, which mark the operating period.
            size_t at = static_cast<size_t>(rng_.Between(1, static_cast<int>(window.size()) - 2));
            pairing.exceptions[static_cast<size_t>(k)] = window[at];
            window.erase(window.begin() + static_cast<std::ptrdiff_t>(at));
        }
        std::sort(pairing.exceptions.begin(), pairing.exceptions.begin() + exceptions);
        pairing.operations = std::move(window);
    }

    // Enough operations for the group to fly about kWorkedDaysPercent of its
    // days; a few pairings run past the month's end, and with a clock change
    // a few start before it and end after it.
    void ScheduleGroup(std::vector<SamplePairing>& group) {
        const std::string& status = month_.options.status;
        int64_t seatDays = 0;
        for (const SamplePairing& pairing : group) {
            seatDays += TripLengthDays(pairing) * pairing.Seats(status);
        }
        int64_t wantedDays = static_cast<int64_t>(month_.SelectedEmployees()) * month_.dayCount *
                             kWorkedDaysPercent / 100;
        std::vector<int> firstDays(group.size(), -1);
        std::vector<bool> monthEnd(group.size(), false);
        bool anyMonthEnd = false;
        for (size_t i = 0; i < group.size(); ++i) {
            if (i % kMonthEndEvery == kMonthEndIndex && TripLengthDays(group[i]) > 1) {
                monthEnd[i] = anyMonthEnd = true;
            }
        }
        for (size_t i = 0; i < group.size() && !anyMonthEnd; ++i) {
            if (TripLengthDays(group[i]) > 1) {
                monthEnd[i] = anyMonthEnd = true;
            }
        }
        if (month_.options.dst && month_.dstShift != 0) {
            size_t wanted = std::max<size_t>(2, group.size() / kClockChangeEvery);
            size_t taken = 0;
            for (size_t i = 0; i < group.size() && taken < wanted; ++i) {
                if (!monthEnd[i]) {
                    firstDays[i] = ClockChangeStart(group[i]);
                    if (firstDays[i] >= 0) {
                        ++taken;
                    }
                }
            }
        }
        for (size_t i = 0; i < group.size(); ++i) {
            int factor = rng_.Between(50, 150);
            int64_t wanted = seatDays > 0 ? wantedDays * factor / (100 * seatDays) : 1;
            Schedule(group[i], static_cast<int>(std::min<int64_t>(wanted, month_.dayCount)),
                     firstDays[i], monthEnd[i]);
        }
    }

    SamplePairing Decoy(const std::string& base, char letter, const Equipment& equipment) {
        SamplePairing trip = Trip(base, letter, equipment, rng_.Percent(kContinuousPercent));
        Schedule(trip, rng_.Between(1, kMaxDecoyOperations), -1, false);
        return trip;
    }

    // Pairings of other bases, and for pilots of the base's other fleets.
    std::vector<SamplePairing> Decoys() {
        int count = std::max(kMinDecoys, month_.options.pairings / kDecoyShare);
        auto bases = Bases();
        auto fleet = Fleet();
        std::vector<SamplePairing> decoys;
        for (int i = 0; i < count; ++i) {
            const Base* base = nullptr;
            do {
                base = &bases[static_cast<size_t>(rng_.Below(static_cast<int>(bases.size())))];
            } while (month_.options.base == base->station);
            const Equipment& equipment =
                fleet[static_cast<size_t>(rng_.Below(static_cast<int>(fleet.size())))];
            decoys.push_back(Decoy(base->station, base->letter, equipment));
        }
        for (int i = 0; month_.PilotGroup() && i < count; ++i) {
            const Equipment* equipment = nullptr;
            do {
                equipment = &fleet[static_cast<size_t>(rng_.Below(static_cast<int>(fleet.size())))];
            } while (month_.options.equipment == equipment->code);
            decoys.push_back(Decoy(month_.options.base, month_.baseLetter, *equipment));
        }
        return decoys;
    }

    const SampleMonth& month_;
    Rng& rng_;
    NumberPlan numbers_;
    std::map<std::pair<std::string, std::string>, Network> networks_;
};

}  // namespace

std::vector<SamplePairing> BuildPairings(const SampleMonth& month, Rng& rng) {
    return PairingPlanner(month, rng).Build();
}

}  // namespace tallow::sample
