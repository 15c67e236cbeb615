#include "core/model/pairing_report.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/model/time_text.h"

namespace tallow {

namespace {

constexpr size_t kLinePrefix = 5;  // "Pair "

// Seats in use that the table can hold.
int32_t SeatsInUse(const TSchedule& schedule) {
    return std::clamp<int32_t>(schedule.lastPairing + 1, 0,
                               static_cast<int32_t>(schedule.pairings.size()));
}

// printf's "%0*d": the sign first, then zeros up to `width` characters.
void AppendZeroPadded(std::string& text, int64_t value, size_t width) {
    std::array<char, 24> digits{};
    const char* end =
        std::to_chars(digits.data(), digits.data() + digits.size(), value < 0 ? -value : value).ptr;
    const auto count = static_cast<size_t>(end - digits.data());
    const size_t used = count + (value < 0 ? 1 : 0);
    if (value < 0) {
        text += '-';
    }
    if (used < width) {
        text.append(width - used, '0');
    }
    text.append(digits.data(), count);
}

// FormatTime(minutes, false, true) and "%d:%02d", written without printf: the
// listing has a line per seat.
void AppendHoursMinutes(std::string& text, int64_t minutes, size_t hourWidth) {
    AppendZeroPadded(text, static_cast<int>(minutes / 60), hourWidth);
    text += ':';
    AppendZeroPadded(text, static_cast<int>(minutes % 60), 2);
}

}  // namespace

std::string AverageCreditPerDay(const TSchedule& schedule) {
    int64_t credit = 0;
    int64_t days = 0;
    const int32_t dayCount = schedule.PeriodDays();
    for (int32_t s = 0; s < SeatsInUse(schedule); ++s) {
        const TPair& seat = schedule.pairings[static_cast<size_t>(s)];
        for (int32_t d = 0; d < dayCount; ++d) {
            if (seat.operates[static_cast<size_t>(d)] != kOperatesNot) {
                credit += seat.totalCredit;
                days += seat.lengthDays;
            }
        }
    }
    // Operating seats of length 0 are invalid but must not divide by zero.
    const int64_t average = days == 0 ? 0 : credit / days;
    return Format("%d:%02d", static_cast<int>(average / 60), static_cast<int>(average % 60));
}

std::vector<std::string> PairingReportLines(TSchedule& schedule) {
    std::vector<std::string> lines;
    lines.push_back(Format("Number of Pairings %d  Average Pairing Credit per day is %s",
                           schedule.lastPairing + 1, AverageCreditPerDay(schedule).c_str()));
    lines.insert(lines.end(), {"", "====== Pairing Warnings Report ======", ""});

    const int32_t seats = SeatsInUse(schedule);
    for (int32_t s = 0; s < seats; ++s) {
        TPair& seat = schedule.pairings[static_cast<size_t>(s)];
        seat.Validate(schedule.dayCount, schedule.airportDetails);
        if (seat.valid == 0) {
            std::string line = "Pair ";
            AppendZeroPadded(line, seat.number, 4);
            line += "  ";
            line += seat.validationText;
            lines.push_back(std::move(line));
        }
    }

    lines.insert(lines.end(), {"", "====== End of Pairing Warnings ======", "",
                               "====== Begin Pairing Report ======"});
    const std::string month(schedule.MonthNameText());
    const std::string year(schedule.YearText());
    lines.push_back(Format("Pairing Report for %s %s Carry Over Removed from Running Total",
                           month.c_str(), year.c_str()));

    const int32_t dayCount = schedule.PeriodDays();
    int64_t runningTotal = 0;
    int64_t totalWithCarryOver = 0;
    for (int32_t s = 0; s < seats; ++s) {
        const TPair& seat = schedule.pairings[static_cast<size_t>(s)];
        for (int32_t d = 0; d < dayCount; ++d) {
            if (seat.operates[static_cast<size_t>(d)] != kOperatesNot) {
                runningTotal += seat.CreditInPeriod(d, dayCount);
                totalWithCarryOver += seat.totalCredit;
            }
        }
        std::string line = "Pair ";
        AppendZeroPadded(line, seat.number, 4);
        line += "  Credit ";
        AppendHoursMinutes(line, seat.totalCredit, 2);
        line += "  Hard ";
        AppendHoursMinutes(line, seat.TotalHard(), 2);
        line += "  OPER ";
        AppendZeroPadded(line, seat.OperatingDays(dayCount), 2);
        line += "  Running Total ";
        AppendHoursMinutes(line, runningTotal, 0);
        lines.push_back(std::move(line));
    }
    lines.push_back(Format("Total Hours including Carry Over %d:%02d",
                           static_cast<int>(totalWithCarryOver / 60),
                           static_cast<int>(totalWithCarryOver % 60)));
    return lines;
}

int32_t PairingReportSeat(const TSchedule& schedule, std::string_view line) {
    if (line.size() <= kLinePrefix) {
        return -1;
    }
    size_t consumed = 0;
    const int32_t number = LeadingInt(line.substr(kLinePrefix), &consumed);
    // Header and total lines carry no number there; they must not select a
    // seat numbered 0.
    if (consumed == 0) {
        return -1;
    }
    for (int32_t s = 0; s < SeatsInUse(schedule); ++s) {
        if (schedule.pairings[static_cast<size_t>(s)].number == number) {
            return s;
        }
    }
    return -1;
}

}  // namespace tallow
