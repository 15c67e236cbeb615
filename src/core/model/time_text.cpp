#include "core/model/time_text.h"

#include <array>
#include <limits>

#include "core/app/event_log.h"
#include "core/model/text_format.h"

namespace tallow {

namespace {

constexpr std::array<const char*, 12> kMonthCodes = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// The blanks the C library's number readers skip.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string FormatTime(int32_t minutes, bool padHours, bool withColon) {
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    if (!withColon) {
        return Format("%02d%02d", hours, rest);
    }
    return padHours ? Format("%2d:%02d", hours, rest) : Format("%02d:%02d", hours, rest);
}

int32_t LeadingInt(std::string_view text, size_t* consumed) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t firstDigit = i;
    // Accumulated as a negative number so that INT32_MIN is reachable.
    constexpr int64_t kLowest = std::numeric_limits<int32_t>::min();
    int64_t value = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (value > kLowest) {
            value = value * 10 - (text[i] - '0');
            if (value < kLowest) {
                value = kLowest;
            }
        }
        ++i;
    }
    if (i == firstDigit) {
        if (consumed != nullptr) {
            *consumed = 0;
        }
        return 0;
    }
    if (consumed != nullptr) {
        *consumed = i;
    }
    if (!negative) {
        value = value == kLowest ? std::numeric_limits<int32_t>::max() : -value;
    }
    return static_cast<int32_t>(value);
}

int32_t ParseTime(std::string_view text, bool limit24) {
    size_t taken = 0;
    const int32_t hours = LeadingInt(text, &taken);
    // The separator is looked for after the hours, not from the first
    // character: a padded " 7:30" would otherwise read its minutes from "7:30".
    size_t separator = taken;
    while (separator < text.size() && IsDigit(text[separator])) {
        ++separator;
    }
    // No separator means no minutes part: "7" is 7:00 and "" is 0:00.
    int32_t minutes = 0;
    if (separator < text.size()) {
        minutes = LeadingInt(text.substr(separator + 1));
    }
    if (minutes < 0) {
        minutes = 0;
    }
    // Beyond this many hours the minute count no longer fits.
    constexpr int32_t kMostHours = (std::numeric_limits<int32_t>::max() - 59) / 60;
    if (hours < 0 || minutes > 59 || (limit24 && hours > 23) || hours > kMostHours) {
        return -1;
    }
    return hours * 60 + minutes;
}

int32_t GetInt(std::string_view line, size_t position, size_t length, EventLog* log) {
    if (position > line.size() || length > line.size() - position) {
        if (log != nullptr && log->IsOpen()) {
            log->Write("Cannot GetInt. String too Short\n");
        }
        return 0;
    }
    return LeadingInt(line.substr(position, length));
}

std::string MonthCode(int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    return kMonthCodes[static_cast<size_t>(month - 1)];
}

size_t UpperCase(std::string& text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text.size();
}

size_t LowerCase(std::string& text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text.size();
}

}  // namespace tallow
