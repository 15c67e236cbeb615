#pragma once
// A calendar date held as its Julian Day Number (1 January 2000 is 2451545),
// which is also its stored form in schedule files.

#include <cstdint>
#include <string>

namespace tallow {

class Date {
  public:
    constexpr Date() = default;
    static constexpr Date FromJulianDay(int32_t jdn) { return Date(jdn); }
    // Gregorian calendar; the caller passes a real date.
    static Date FromDmy(int day, int month, int year);

    constexpr int32_t JulianDay() const { return jdn_; }
    int Day() const;
    int Month() const;
    int Year() const;
    // 1 = Monday .. 7 = Sunday.
    int Weekday() const { return static_cast<int>(jdn_ % 7) + 1; }

    // English month name ("January").
    std::string MonthName() const;
    // The long form shown in dialogs: "July 01 1998".
    std::string LongText() const;

    constexpr Date AddDays(int32_t days) const { return Date(jdn_ + days); }
    constexpr Date Next() const { return AddDays(1); }
    constexpr Date Previous() const { return AddDays(-1); }
    friend constexpr int32_t operator-(Date a, Date b) { return a.jdn_ - b.jdn_; }
    friend constexpr bool operator==(Date a, Date b) = default;
    friend constexpr auto operator<=>(Date a, Date b) = default;

  private:
    constexpr explicit Date(int32_t jdn) : jdn_(jdn) {}
    void ToDmy(int& day, int& month, int& year) const;

    int32_t jdn_ = 0;
};

// English name of a month 1..12; empty for any other number.
std::string EnglishMonthName(int month);

}  // namespace tallow
