#pragma once
// The synthetic month that the sample files describe: one crew group (base,
// equipment, status) with the airline's roster around it, the absences, and
// the pairings of the base, all built from one seed. Every file writer reads
// this model, so the files agree with each other and tests can check an
// import against it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/calendar.h"
#include "core/model/date.h"
#include "sample/toolbox_catalogue.h"

namespace tallow::sample {

inline constexpr int kMaxSampleEmployees = 1000;  // rows of a schedule
inline constexpr int kMaxSampleSeats = 3000;      // pairing seats of a schedule
inline constexpr int kExceptionSlots = 4;
inline constexpr int kQualificationWidth = 12;

struct SampleOptions {
    std::string base = "YYZ";
    std::string equipment = "DH8";
    std::string status = "CA";  // "CA", "FO" or "FA"
    int month = 4;
    int year = 2027;
    int employees = 50;  // employees of the crew group
    int pairings = 40;   // pairings of the crew group, as far as the seats allow
    uint64_t seed = 1;
    // Some pairings start before the month's clock change and end after it;
    // needs a March or November month.
    bool dst = false;
    // Size of the LIS listing in bytes, reached with listings of other bases;
    // 0, or a size below the month's own listing, leaves it as it comes.
    size_t lisBytes = 0;
};

inline constexpr size_t kMaxLisBytes = 64000000;

// Empty when a month can be built from the options, else the reason.
std::string CheckOptions(const SampleOptions& options);

struct SampleEmployee {
    int32_t number = 0;
    std::string surname;
    char initial = 'A';
    std::string base;
    std::string equipment;
    std::string status;
    std::string qualifications;  // kQualificationWidth characters, two per code
    bool selected = false;       // belongs to the crew group of the month
};

// Absence days are period days; times are minutes after midnight.
struct SampleAbsence {
    const ToolboxCode* code = nullptr;
    int firstDay = 0;
    int lastDay = 0;
    int startTime = 0;
    int endTime = 0;
};

enum class LegKind { Flight, Deadhead, OtherCarrier, Surface };

// Times of legs and duties are minutes after the pairing's report, on the
// elapsed scale that does not jump at the clock change.
struct SampleLeg {
    LegKind kind = LegKind::Flight;
    std::string from;
    std::string to;
    int flightNumber = 0;    // own flights and deadheads
    std::string designator;  // another carrier's flight ("QJ0412") or the transfer code ("LIM")
    std::string remark;      // three characters shown after another carrier's flight
    int departure = 0;
    int arrival = 0;
};

struct SampleDuty {
    std::vector<SampleLeg> legs;
    int start = 0;
    int end = 0;
    int dutyTime = 0;  // end - start, less the rest of a split duty
    int layover = 0;   // rest until the next duty; 0 after the last
    std::string station;
    std::string hotel;  // empty after the last duty
    int block = 0;      // own flying
    int deadhead = 0;   // deadheads and surface transfers
    int credit = 0;
};

struct SamplePairing {
    char baseLetter = ' ';
    int number = 0;
    std::string base;
    std::string equipment;
    bool inGroup = false;  // the schedule's pairing import takes it
    int reportClock = 0;   // local time of the report
    int tafb = 0;
    bool continuousDuty = false;
    int captains = 0;
    int officers = 0;
    int pursers = 0;
    int attendants = 0;
    int minRest = 660;
    std::vector<SampleDuty> duties;
    int totalCredit = 0;
    std::vector<int> operations;  // period days of the reports, ascending
    int firstDay = 0;             // the operating period, period days
    int lastDay = 0;
    std::array<bool, 7> weekdays{};                               // Monday .. Sunday
    std::array<int, kExceptionSlots> exceptions{-1, -1, -1, -1};  // period days, -1 none

    // Seats of this pairing in a schedule of crew status "CA", "FO" or "FA".
    int Seats(const std::string& status) const;
    int DailyCreditSum() const;
    std::string Complement() const;  // "CA01 FO01 PU01 FA01"
};

struct SampleMonth {
    SampleOptions options;
    Period period;
    int dayCount = 0;
    char baseLetter = ' ';
    // The month's clock change on the local scale (before the change); 0 when none.
    int dstChangeAt = 0;
    int dstShift = 0;
    std::string toolboxTitle;
    std::vector<SampleEmployee> employees;             // in file order
    std::vector<std::vector<SampleAbsence>> absences;  // per employee
    std::vector<SamplePairing> pairings;               // in file order

    bool PilotGroup() const { return options.status != "FA"; }
    // Base, equipment, status and base letter: "YYZDH8CAZ".
    std::string ScheduleTitle() const;
    Date DayDate(int day) const { return period.start.AddDays(day); }

    // Moments count minutes from 00:00 of period day 0 on the elapsed scale;
    // local times jump by dstShift at the clock change.
    int ToLocal(int moment) const;
    int FromLocal(int local) const;
    // The elapsed moment of pairing `pairing`'s report on period day `day`.
    int ReportMoment(const SamplePairing& pairing, int day) const;

    int SelectedEmployees() const;
    int SelectedSeats() const;
};

SampleMonth BuildSampleMonth(const SampleOptions& options);

}  // namespace tallow::sample
