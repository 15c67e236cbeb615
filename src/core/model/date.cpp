#include "core/model/date.h"

#include <array>

#include "core/model/text_format.h"

namespace tallow {

namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

}  // namespace

// Conversions after Fliegel and Van Flandern (Communications of the ACM, 1968).
Date Date::FromDmy(int day, int month, int year) {
    int a = (14 - month) / 12;
    int y = year + 4800 - a;
    int m = month + 12 * a - 3;
    int jdn = day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
    return Date(jdn);
}

void Date::ToDmy(int& day, int& month, int& year) const {
    int a = jdn_ + 32044;
    int b = (4 * a + 3) / 146097;
    int c = a - 146097 * b / 4;
    int d = (4 * c + 3) / 1461;
    int e = c - 1461 * d / 4;
    int m = (5 * e + 2) / 153;
    day = e - (153 * m + 2) / 5 + 1;
    month = m + 3 - 12 * (m / 10);
    year = 100 * b + d - 4800 + m / 10;
}

int Date::Day() const {
    int day = 0, month = 0, year = 0;
    ToDmy(day, month, year);
    return day;
}

int Date::Month() const {
    int day = 0, month = 0, year = 0;
    ToDmy(day, month, year);
    return month;
}

int Date::Year() const {
    int day = 0, month = 0, year = 0;
    ToDmy(day, month, year);
    return year;
}

std::string Date::MonthName() const {
    return EnglishMonthName(Month());
}

std::string Date::LongText() const {
    int day = 0, month = 0, year = 0;
    ToDmy(day, month, year);
    return Format("%s %02d %d", EnglishMonthName(month).c_str(), day, year);
}

std::string EnglishMonthName(int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    return kMonthNames[static_cast<size_t>(month - 1)];
}

}  // namespace tallow
