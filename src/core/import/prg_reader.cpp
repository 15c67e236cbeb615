#include "core/import/prg_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <utility>

#include "core/import/pairing_finish.h"
#include "core/import/pairing_text.h"
#include "core/import/prg_records.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"

namespace tallow {

namespace {

constexpr int32_t kDayMinutes = 1440;
constexpr int32_t kFatiguePerLeg = 60;
constexpr int32_t kShortRest = 660;
constexpr int32_t kLongRest = 780;
// Duty time more than this far from the time between start and end asks for
// the long rest.
constexpr int32_t kDutyMismatch = 180;
constexpr size_t kStationLength = 3;

void AddSaturated(int32_t& total, int32_t amount) {
    total = static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(total) + amount,
                                                     std::numeric_limits<int32_t>::min(),
                                                     std::numeric_limits<int32_t>::max()));
}

// The 2-digit count after the first occurrence of `code`; 0 without one.
int32_t ComplementCount(std::string_view complement, std::string_view code, EventLog* log) {
    const size_t at = complement.find(code);
    if (at == std::string_view::npos) {
        return 0;
    }
    return std::max(0, GetInt(complement, at + code.size(), 2, log));
}

int32_t MinutesAfterReport(int32_t report, int32_t tafb) {
    int64_t release = static_cast<int64_t>(report) + tafb;
    if (release > kDayMinutes) {
        release = (release - 1) % kDayMinutes + 1;
    }
    return static_cast<int32_t>(release);
}

}  // namespace

PrgReader::PrgReader(TSchedule& schedule, PrgSelection selection)
    : schedule_(schedule),
      selection_(std::move(selection)),
      pilots_(schedule.crewGroup != CrewGroup::FlightAttendants) {}

PrgLineResult PrgReader::Read(std::string_view line) {
    if (!selection_.Accepts(line)) {
        return PrgLineResult::Read;
    }
    bool read = true;
    switch (line[0]) {
        case kPrgHeader:
            return ReadHeader(line);
        case kPrgLeg:
        case kPrgDeadhead:
        case kPrgSurface:
            read = ReadDetail(line);
            break;
        case kPrgDuty:
            read = ReadDuty(line);
            break;
        default:
            break;
    }
    return read ? PrgLineResult::Read : PrgLineResult::Failed;
}

PrgLineResult PrgReader::ReadHeader(std::string_view line) {
    EventLog* log = &schedule_.logFile;
    const int32_t number = ColumnInt(line, prg_header::kNumber, log);
    if (log->IsOpen()) {
        log->Write(Format("Loading Pair %d  Index is %d\n", number, nextFree_));
    }
    std::array<char, 12> digits{};  // any int32_t with its sign
    numbersRead_.append(digits.data(),
                        std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr);
    numbersRead_ += ' ';

    if (nextFree_ >= 0 && number == previousNumber_) {
        newPairing_ = false;
    } else {
        if (nextFree_ < 0) {
            nextFree_ = 0;
        } else if (!StorePairing() || nextFree_ >= kMaxPairings) {
            return PrgLineResult::TableFull;
        }
        if (!StartPairing(line, number)) {
            return PrgLineResult::Failed;
        }
    }
    MarkOperation(line);
    return PrgLineResult::Read;
}

bool PrgReader::StartPairing(std::string_view line, int32_t number) {
    using namespace prg_header;
    EventLog* log = &schedule_.logFile;
    pairing_.Clear();
    newPairing_ = true;
    lastDutyDay_ = 0;
    previousNumber_ = number;

    pairing_.number = number;
    pairing_.seriesCode = ColumnText(line, kSeries);
    int32_t report = ColumnInt(line, kReport, log);
    if (report == kDayMinutes) {
        report = 0;
    }
    pairing_.reportTime = report;
    pairing_.tafb = ColumnInt(line, kTafb, log);
    pairing_.lengthDays =
        LengthDaysField((static_cast<int64_t>(report) + pairing_.tafb) / kDayMinutes + 1);
    pairing_.releaseTime = MinutesAfterReport(report, pairing_.tafb);
    pairing_.minRestAfter = ColumnInt(line, kMinRest, log);
    pairing_.totalCredit = ColumnInt(line, kTotalCredit, log);
    pairing_.continuousDuty = ColumnText(line, kContinuousDuty) == "Y" ? 1 : 0;
    for (int k = 0; k < kDailyHardDays; ++k) {
        pairing_.dailyHard[static_cast<size_t>(k)] =
            ColumnInt(line, kDailyHard.At(static_cast<size_t>(k) * 4), log);
    }

    if (!Reaches(line, kComplement)) {
        return false;
    }
    const std::string_view complement = ColumnText(line, kComplement);
    pilotSeats_ = 0;
    purserSeats_ = 0;
    attendantSeats_ = 0;
    if (schedule_.crewGroup == CrewGroup::Captains) {
        pilotSeats_ = ComplementCount(complement, "CA", log);
        pairing_.position = "CA";
    } else if (schedule_.crewGroup == CrewGroup::FirstOfficers) {
        pilotSeats_ = ComplementCount(complement, "FO", log);
        pairing_.position = "FO";
    } else {
        attendantSeats_ = ComplementCount(complement, "FA", log);
        purserSeats_ = ComplementCount(complement, "PU", log);
    }
    pairing_.sourceText.append(line).append(1, '\n');
    AppendHeaderText(pairing_.displayText, line, report, log);
    return true;
}

void PrgReader::MarkOperation(std::string_view line) {
    PrgDate date = ReadDate(line, prg_header::kOperationDate, &schedule_.logFile);
    // A report at 24:00 is 00:00 of the next day, counted without carrying
    // into the next month.
    if (pairing_.reportTime == 0) {
        ++date.day;
    }
    if (newPairing_) {
        startDay_ = DayNumber(date);
    }
    const int days = schedule_.PeriodDays();
    const CalendarDate wanted{date.day, date.month, date.year};
    for (int d = 0; d < days; ++d) {
        if (schedule_.days[static_cast<size_t>(d)] == wanted) {
            pairing_.operates[static_cast<size_t>(d)] = kOperatesOpen;
            break;
        }
    }
}

bool PrgReader::ReadDetail(std::string_view line) {
    if (!newPairing_) {
        return true;
    }
    EventLog* log = &schedule_.logFile;
    // The last text field of each record type.
    const FixedColumn last = line[0] == kPrgLeg        ? prg_leg::kArrival
                             : line[0] == kPrgDeadhead ? prg_deadhead::kCode
                                                       : prg_surface::kArrival;
    if (!Reaches(line, last)) {
        return false;
    }
    pairing_.sourceText.append(line).append(1, '\n');
    if (line[0] == kPrgLeg) {
        AppendLegText(pairing_.displayText, line, startDay_, log);
    } else if (line[0] == kPrgDeadhead) {
        AppendDeadheadText(pairing_.displayText, line, startDay_, log);
    } else {
        AppendSurfaceText(pairing_.displayText, line, startDay_, log);
    }
    if (line[0] != kPrgSurface) {
        AddSaturated(pairing_.fatigueUnits, kFatiguePerLeg);
    }
    return true;
}

bool PrgReader::ReadDuty(std::string_view line) {
    using namespace prg_duty;
    if (!newPairing_) {
        return true;
    }
    EventLog* log = &schedule_.logFile;
    pairing_.sourceText.append(line).append(1, '\n');
    if (IsBlank(line, kStartMark)) {
        return true;
    }
    if (!Reaches(line, kFreeText)) {
        return false;
    }
    const int64_t day = DayNumber(ReadDate(line, kDate, log)) - startDay_;
    const int32_t credit = ColumnInt(line, kCredit, log);
    const int32_t start = ColumnInt(line, kStart, log);
    const int32_t dutyTime = ColumnInt(line, kDutyTime, log);
    // A duty dated outside the pairing's 31 days has no day to fill.
    if (day >= 0 && day < kPairDays) {
        const auto k = static_cast<size_t>(day);
        AddSaturated(pairing_.dailyCredit[k], credit);
        pairing_.dailyStart[k] = start;
        pairing_.dailyDuty[k] = dutyTime;
    }
    AddRouteStation(day, ColumnText(line, kStation));
    AddSaturated(pairing_.fatigueUnits, dutyTime);
    AppendDutyText(pairing_.displayText, line, pairing_, log);

    if (pilots_) {
        const int32_t end = ColumnInt(line, kEnd, log);
        const int32_t elapsed = start < end ? end - start : end - start + kDayMinutes;
        pairing_.minRestAfter =
            std::abs(elapsed - dutyTime) < kDutyMismatch ? kShortRest : kLongRest;
    }
    return true;
}

// A second duty on the same day replaces that day's station; a gap of days
// repeats the last station once.
void PrgReader::AddRouteStation(int64_t day, std::string_view station) {
    std::string& route = pairing_.route;
    if (day == lastDutyDay_ && route.size() > 1) {
        route.resize(route.size() - std::min(route.size(), kStationLength));
    } else if (day > lastDutyDay_ + 1) {
        if (route.size() < kStationLength) {
            route += station;
        } else {
            route += route.substr(route.size() - kStationLength);
        }
    }
    route += station;
    lastDutyDay_ = day;
}

bool PrgReader::Finish() {
    return nextFree_ < 0 || StorePairing();
}

bool PrgReader::StorePairing() {
    if (pairing_.route.size() > kStationLength - 1) {
        pairing_.route.resize(pairing_.route.size() - kStationLength);
    }
    if (pilots_) {
        return StoreCopies(pilotSeats_, pairing_.position);
    }
    return StoreCopies(purserSeats_, "PU") && StoreCopies(attendantSeats_, "FA");
}

bool PrgReader::StoreCopies(int32_t count, std::string_view position) {
    for (int32_t copy = 0; copy < count; ++copy) {
        if (nextFree_ >= kMaxPairings) {
            return false;
        }
        TPair& seat = schedule_.pairings[static_cast<size_t>(nextFree_)];
        seat = pairing_;
        seat.position = position;
        ++nextFree_;
    }
    return true;
}

}  // namespace tallow
