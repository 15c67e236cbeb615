#include "sample/sample_month.h"

#include "core/model/text_format.h"
#include "sample/crew_builder.h"
#include "sample/fleet.h"
#include "sample/pairing_builder.h"
#include "sample/rng.h"

namespace tallow::sample {

namespace {

constexpr int kDayMinutes = 1440;
constexpr int kChangeClock = 120;  // clocks change at 02:00
constexpr int kToolboxDaysBefore = 12;

enum StreamPart : uint64_t { kCrewStream = 1, kPairingStream = 2 };

bool KnownStatus(const std::string& status) {
    return status == "CA" || status == "FO" || status == "FA";
}

// The period day of the second Sunday of March or the first Sunday of
// November inside the period, -1 when the period has no clock change.
int ChangeDay(const SampleMonth& month, int& shift) {
    Date middle = month.period.start.AddDays(15);
    int sundaysWanted = 0;
    if (middle.Month() == 3) {
        sundaysWanted = 2;
        shift = 60;
    } else if (middle.Month() == 11) {
        sundaysWanted = 1;
        shift = -60;
    } else {
        shift = 0;
        return -1;
    }
    Date day = Date::FromDmy(1, middle.Month(), middle.Year());
    for (int sundays = 0;; day = day.Next()) {
        if (day.Weekday() == 7 && ++sundays == sundaysWanted) {
            break;
        }
    }
    int index = day - month.period.start;
    if (index < 0 || index >= month.dayCount) {
        shift = 0;
        return -1;
    }
    return index;
}

}  // namespace

std::string CheckOptions(const SampleOptions& options) {
    if (FindBase(options.base) == nullptr) {
        return "unknown base " + options.base + " (YVR, YYC, YYZ, YUL or YHZ)";
    }
    if (FindEquipment(options.equipment) == nullptr) {
        return "unknown equipment " + options.equipment + " (DH8, DH4, CRJ or E75)";
    }
    if (!KnownStatus(options.status)) {
        return "unknown status " + options.status + " (CA, FO or FA)";
    }
    if (options.month < 1 || options.month > 12 || options.year < 1950 || options.year > 2200) {
        return Format("no such month %04d-%02d", options.year, options.month);
    }
    if (options.employees < 1 || options.employees > kMaxSampleEmployees) {
        return Format("employees must be 1 to %d", kMaxSampleEmployees);
    }
    if (options.pairings < 1 || options.pairings > kMaxSampleSeats) {
        return Format("pairings must be 1 to %d", kMaxSampleSeats);
    }
    if (options.dst && options.month != 3 && options.month != 11) {
        return "a clock change needs a March or November month";
    }
    if (options.lisBytes > kMaxLisBytes) {
        return Format("the LIS listing may have at most %zu bytes", kMaxLisBytes);
    }
    return {};
}

int SamplePairing::Seats(const std::string& status) const {
    if (status == "CA") {
        return captains;
    }
    if (status == "FO") {
        return officers;
    }
    return pursers + attendants;
}

int SamplePairing::DailyCreditSum() const {
    int sum = 0;
    for (const SampleDuty& duty : duties) {
        sum += duty.credit;
    }
    return sum;
}

std::string SamplePairing::Complement() const {
    std::string text = Format("CA%02d FO%02d", captains, officers);
    if (pursers > 0) {
        text += Format(" PU%02d", pursers);
    }
    if (attendants > 0) {
        text += Format(" FA%02d", attendants);
    }
    return text;
}

std::string SampleMonth::ScheduleTitle() const {
    return options.base + options.equipment + options.status + baseLetter;
}

int SampleMonth::ToLocal(int moment) const {
    return dstShift != 0 && moment >= dstChangeAt ? moment + dstShift : moment;
}

int SampleMonth::FromLocal(int local) const {
    return dstShift != 0 && local >= dstChangeAt ? local - dstShift : local;
}

int SampleMonth::ReportMoment(const SamplePairing& pairing, int day) const {
    return FromLocal(day * kDayMinutes + pairing.reportClock);
}

int SampleMonth::SelectedEmployees() const {
    int count = 0;
    for (const SampleEmployee& employee : employees) {
        count += employee.selected ? 1 : 0;
    }
    return count;
}

int SampleMonth::SelectedSeats() const {
    int seats = 0;
    for (const SamplePairing& pairing : pairings) {
        seats += pairing.inGroup ? pairing.Seats(options.status) : 0;
    }
    return seats;
}

SampleMonth BuildSampleMonth(const SampleOptions& options) {
    SampleMonth month;
    month.options = options;
    if (!CheckOptions(options).empty()) {
        return month;
    }
    month.period = ScheduleCalendar::DefaultPeriod(options.month, options.year);
    month.dayCount = month.period.end - month.period.start + 1;
    month.baseLetter = FindBase(options.base)->letter;
    int changeDay = ChangeDay(month, month.dstShift);
    month.dstChangeAt = changeDay < 0 ? 0 : changeDay * kDayMinutes + kChangeClock;
    month.toolboxTitle = month.DayDate(-kToolboxDaysBefore).LongText();

    Rng crewRng = Rng::Stream(options.seed, kCrewStream);
    BuildCrew(month, crewRng);
    Rng pairingRng = Rng::Stream(options.seed, kPairingStream);
    month.pairings = BuildPairings(month, pairingRng);
    return month;
}

}  // namespace tallow::sample
