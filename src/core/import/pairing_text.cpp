#include "core/import/pairing_text.h"

#include <array>
#include <charconv>
#include <initializer_list>

#include "core/import/prg_records.h"
#include "core/model/pair.h"
#include "core/model/time_text.h"

namespace tallow {

namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames = {"MON ", "TUE ", "WED ", "THU ",
                                                           "FRI ", "SAT ", "SUN "};
constexpr int kSummedDays = 6;

// printf's "%02d" or "%2d": at least two characters; a negative number
// already has two.
void AppendPadded(std::string& text, int32_t value, char pad) {
    if (value >= 0 && value < 10) {
        text += pad;
        text += static_cast<char>('0' + value);
        return;
    }
    std::array<char, 12> digits{};  // any int32_t with its sign
    text.append(digits.data(),
                std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr);
}

// FormatTime's texts, written without printf: most of a pairing's text is times.
std::string TimeText(int32_t minutes, char hoursPad) {
    std::string text;
    AppendPadded(text, minutes / 60, hoursPad);
    text += ':';
    AppendPadded(text, minutes % 60, '0');
    return text;
}

void Append(std::string& text, std::initializer_list<std::string_view> pieces) {
    for (std::string_view piece : pieces) {
        text += piece;
    }
}

// hh:mm
std::string Clock(int32_t minutes) {
    return TimeText(minutes, '0');
}

// h:mm, the hours right-aligned in two characters
std::string Duration(int32_t minutes) {
    return TimeText(minutes, ' ');
}

// The trailing blank becomes the newline; a text that does not end in a
// blank keeps its last character.
void EndLine(std::string& text) {
    if (!text.empty() && text.back() == ' ') {
        text.back() = '\n';
    } else {
        text += '\n';
    }
}

void AppendDay(std::string& text, std::string_view line, const DateColumns& date, int64_t startDay,
               EventLog* log) {
    text += "  ";
    text += std::to_string(DayNumber(ReadDate(line, date, log)) - startDay + 1);
}

void AppendPeriodDate(std::string& text, std::string_view line, const DateColumns& date, char after,
                      EventLog* log) {
    text += MonthCode(ColumnInt(line, date.month, log));
    text += '.';
    text += std::to_string(ColumnInt(line, date.day, log));
    text += after;
}

// "EXCEPT" and the days marked "N" when most days are marked "Y", otherwise
// the days marked "Y".
void AppendWeekdays(std::string& text, std::string_view weekdays) {
    int count = 0;
    for (char c : weekdays) {
        count += c == 'Y' ? 1 : -1;
    }
    const char listed = count > 0 ? 'N' : 'Y';
    if (count > 0) {
        text += "EXCEPT ";
    }
    for (size_t k = 0; k < weekdays.size() && k < kWeekdayNames.size(); ++k) {
        if (weekdays[k] == listed) {
            text += kWeekdayNames[k];
        }
    }
}

void AppendExceptionDates(std::string& text, std::string_view line, EventLog* log) {
    bool first = true;
    for (int k = 0; k < prg_header::kExceptionDates; ++k) {
        const size_t offset = static_cast<size_t>(k) * prg_header::kExceptionStep;
        const int32_t day = ColumnInt(line, prg_header::kExceptionDay.At(offset), log);
        if (day <= 0) {
            continue;
        }
        if (first) {
            text += "EXCEPT ";
            first = false;
        }
        text += MonthCode(ColumnInt(line, prg_header::kExceptionMonth.At(offset), log));
        text += '.';
        if (day < 10) {
            text += '0';
        }
        text += std::to_string(day);
        text += ' ';
    }
}

void AppendStations(std::string& text, std::string_view line, FixedColumn departure,
                    FixedColumn arrival) {
    text += ColumnText(line, departure);
    text += '-';
    text += ColumnText(line, arrival);
    text += "   ";
}

void AppendTimes(std::string& text, std::string_view line, FixedColumn departure,
                 FixedColumn arrival, EventLog* log) {
    text += Clock(ColumnInt(line, departure, log));
    text += ' ';
    text += Clock(ColumnInt(line, arrival, log));
}

int32_t SumOfDays(const PairDays& values) {
    int32_t sum = 0;
    for (int k = 0; k < kSummedDays; ++k) {
        sum += values[static_cast<size_t>(k)];
    }
    return sum;
}

void AppendTotals(std::string& text, const TPair& pairing) {
    Append(text, {"   TOTALS  TAFB ", Clock(pairing.tafb), "  "});
    Append(text, {" BLOCK ", Duration(SumOfDays(pairing.dailyHard)), "  "});
    Append(text, {" CREDIT ", Duration(pairing.totalCredit), "  "});
    Append(text, {" FAT UNITS: ", Duration(pairing.fatigueUnits), "  "});
    Append(text, {" DUTY: ", Duration(SumOfDays(pairing.dailyDuty)), "  "});
}

}  // namespace

void AppendHeaderText(std::string& text, std::string_view line, int32_t reportTime, EventLog* log) {
    text += "    ";
    text += ColumnText(line, prg_header::kDesignator);
    Append(text, {"   BSE REPT:", Clock(reportTime), "L   OPERATES - "});
    AppendPeriodDate(text, line, prg_header::kFirstDate, '-', log);
    AppendPeriodDate(text, line, prg_header::kLastDate, ' ', log);
    AppendWeekdays(text, ColumnText(line, prg_header::kWeekdays));
    EndLine(text);
    text += "    ";
    text += ColumnText(line, prg_header::kComplement);
    AppendExceptionDates(text, line, log);
    text += "  ";
    EndLine(text);
    text += "  ";
    EndLine(text);
}

void AppendLegText(std::string& text, std::string_view line, int64_t startDay, EventLog* log) {
    using namespace prg_leg;
    AppendDay(text, line, kDate, startDay, log);
    text += ColumnText(line, kDeadheading) == "D" ? "  DH" : "    ";
    std::string flight(ColumnText(line, kFlightNumber));
    if (!flight.empty() && flight[0] == '0') {
        flight[0] = ' ';
    }
    Append(text, {flight, "   "});
    AppendStations(text, line, kDeparture, kArrival);
    AppendTimes(text, line, kDepartureTime, kArrivalTime, log);
    Append(text, {"  ", Duration(ColumnInt(line, kBlockTime, log)), " "});
    EndLine(text);
}

void AppendDeadheadText(std::string& text, std::string_view line, int64_t startDay, EventLog* log) {
    using namespace prg_deadhead;
    AppendDay(text, line, kDate, startDay, log);
    text += " DH";
    std::string designator(ColumnText(line, kDesignator));
    if (designator.size() > 2 && designator[2] == '0') {
        designator[2] = ' ';
    }
    Append(text, {designator, " "});
    AppendStations(text, line, kDeparture, kArrival);
    AppendTimes(text, line, kDepartureTime, kArrivalTime, log);
    text += "         ";
    text += ColumnText(line, kCode);
    text += ' ';
    EndLine(text);
}

void AppendSurfaceText(std::string& text, std::string_view line, int64_t startDay, EventLog* log) {
    using namespace prg_surface;
    AppendDay(text, line, kDate, startDay, log);
    text += "     ";
    text += ColumnText(line, kCode);
    text += "   ";
    AppendStations(text, line, kDeparture, kArrival);
    AppendTimes(text, line, kDepartureTime, kArrivalTime, log);
    text += "             ";
    EndLine(text);
}

void AppendDutyText(std::string& text, std::string_view line, const TPair& pairing, EventLog* log) {
    using namespace prg_duty;
    // The duty's totals go on the line of its last leg.
    if (!text.empty() && text.back() == '\n') {
        text.back() = ' ';
    }
    for (FixedColumn total : kPrintedTotals) {
        Append(text, {Duration(ColumnInt(line, total, log)), "  "});
    }
    const int32_t dutyTime = ColumnInt(line, kDutyTime, log);
    Append(text, {Duration(dutyTime), "  "});

    std::string reportAndEnd;
    Append(reportAndEnd, {"    REPT: ", Clock(ColumnInt(line, kStart, log)),
                          " D-END: ", Clock(ColumnInt(line, kEnd, log)), " "});
    if (IsBlank(line, kFreeTextMark)) {
        EndLine(text);
        text += reportAndEnd;
        EndLine(text);
        AppendTotals(text, pairing);
    } else if (dutyTime == 0) {
        EndLine(text);
        text += "     CREW ON DUTY ";
        text += ColumnText(line, kFreeText);
    } else {
        text += ColumnText(line, kStation);
        Append(text, {" ", Duration(ColumnInt(line, kLayover, log)), " "});
        EndLine(text);
        text += reportAndEnd;
        text += ColumnText(line, kFreeText);
    }
    EndLine(text);
}

}  // namespace tallow
