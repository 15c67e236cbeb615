#pragma once
// What the crew of the month did in the 31 days before it: the pairings they
// flew (one entry per operated date, as the prior-period pairing extract
// lists them), the activity codes, and each crew member's daily hard time
// over the 89 days before the period. Built from the month's pairings as
// templates, so the activity and prior-pairing extracts agree.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "sample/sample_month.h"
#include "sample/toolbox_catalogue.h"

namespace tallow::sample {

// Timeline days 0..30 are the 31 days before the period; 31 is its first day.
inline constexpr int kPriorDays = 31;
inline constexpr int kHardTimeHistoryDays = 89;
inline constexpr size_t kMaxActivityEntries = 31;

struct PriorDuty {
    int day = 0;  // timeline day of the duty's start
    int start = 0;
    int end = 0;  // clock times, minutes
};

struct PriorDayBlock {
    std::string station;  // where the day ends
    int hardTime = 0;
    int credit = 0;
};

// One operation of a pairing that started before the period.
struct PriorPairing {
    std::string designator;  // "Z8101"
    int startDay = 0;        // timeline day of the report
    int report = 0;
    int tafb = 0;
    int totalCredit = 0;
    int minRest = 0;
    std::vector<PriorDuty> duties;
    std::vector<PriorDayBlock> blocks;  // block k is pairing day k

    // Timeline day on which the pairing ends.
    int EndDay() const { return startDay + (report + tafb) / 1440; }
};

// A pairing entry when `code` is null, else an activity code over
// timeline days firstDay..lastDay.
struct PriorActivity {
    size_t pairing = 0;  // index into SampleLastMonth::pairings
    const ToolboxCode* code = nullptr;
    int firstDay = 0;
    int lastDay = 0;
    int start = 0;
    int end = 0;
};

struct EmployeeHistory {
    size_t employee = 0;  // index into SampleMonth::employees
    std::vector<PriorActivity> entries;
    std::array<int, kHardTimeHistoryDays> hardTime{};  // oldest first
};

struct SampleLastMonth {
    std::vector<PriorPairing> pairings;  // in extract order
    std::vector<EmployeeHistory> crew;   // in roster order
};

// The crew group's members and a few other roster employees of the same
// kind; empty when the month has no pairings to take as templates.
SampleLastMonth BuildLastMonth(const SampleMonth& month);

// The date of timeline day `day` as YYYYMMDD.
std::string TimelineDateText(const SampleMonth& month, int day);

}  // namespace tallow::sample
