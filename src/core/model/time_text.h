#pragma once
// Minutes to text and back, the fixed-column integer reader of the
// importers, and the small text helpers shared by every subsystem.

#include <cstdint>
#include <string>
#include <string_view>

namespace tallow {

class EventLog;

// "%2d:%02d" with padHours, "%02d:%02d" without; "%02d%02d" when withColon is
// false. Hours are not limited to 24 and negative values give negative parts.
std::string FormatTime(int32_t minutes, bool padHours, bool withColon);

// Minutes, or -1 when the text is not a valid time. With limit24 the hours
// must be 0..23.
int32_t ParseTime(std::string_view text, bool limit24);

// The decimal number in line[position, position + length): leading blanks and a
// sign allowed, reading stops at the first non-digit. 0 when the line is too
// short, which is logged when `log` is open.
int32_t GetInt(std::string_view line, size_t position, size_t length, EventLog* log = nullptr);

// "JAN".."DEC" for 1..12, empty otherwise.
std::string MonthCode(int month);

// Change a-z to A-Z (or back) in place; return the text's length.
size_t UpperCase(std::string& text);
size_t LowerCase(std::string& text);

// Reads a decimal number at the start of `text` the way the system's readers
// do: leading blanks and one sign allowed, stops at the first non-digit, no
// digits gives 0. `consumed` receives the characters taken. Saturates
// instead of overflowing.
int32_t LeadingInt(std::string_view text, size_t* consumed = nullptr);

}  // namespace tallow
