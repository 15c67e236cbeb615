#include "core/import/roster_import.h"

#include <algorithm>
#include <string>

#include "core/import/extract_line_reader.h"
#include "core/import/roster_extract.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/model/time_text.h"

namespace tallow {
namespace {

using namespace roster_extract;

// Block limits of a check pilot ("LA"), unless a reduced block overrides them.
constexpr int32_t kCheckerMinBlockCredit = 4800;
constexpr int32_t kCheckerMaxBlockCredit = 5100;

// A code counts wherever it occurs in the qualification characters, even
// across two neighbouring codes.
bool Has(std::string_view codes, std::string_view code) {
    return codes.find(code) != std::string_view::npos;
}

void SetPilotQualifications(TPilot& employee, std::string_view codes) {
    const bool lineCheck = Has(codes, "LA");
    const bool lineTraining = Has(codes, "LC");
    if (lineCheck && lineTraining) {
        employee.specialQualification = 4;
    } else if (lineCheck) {
        employee.specialQualification = 3;
    } else if (lineTraining) {
        employee.specialQualification = 1;
    } else if (Has(codes, "LB")) {
        employee.specialQualification = 2;
    }
    if (lineCheck) {
        employee.minBlockOverride = kCheckerMinBlockCredit;
        employee.maxBlockOverride = kCheckerMaxBlockCredit;
    }
    employee.ageMedFlags = (Has(codes, "AR") ? 1 : 0) + (Has(codes, "MR") ? 2 : 0);
    employee.trainee = Has(codes, "ZT") ? 1 : 0;
    employee.noTZ = Has(codes, "PT") ? 1 : 0;
    employee.noYCG = Has(codes, "PC") ? 1 : 0;
}

void SetCabinQualifications(TPilot& employee, std::string_view codes) {
    employee.specialQualification = Has(codes, "IT") ? 2 : 0;
    employee.ageMedFlags = Has(codes, "FR") ? 1 : 0;
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

void FillEmployee(TPilot& employee, std::string_view line, const TSchedule& schedule) {
    employee.Clear();
    employee.employeeNumber = ColumnInt(line, kEmployeeNumber);
    employee.name = std::string(ColumnText(line, kInitial)) + " " +
                    std::string(WithoutTrailingBlanks(ColumnText(line, kSurname)));
    const std::string_view codes = ColumnText(line, kQualificationCodes);
    employee.qualificationCodes = std::string(codes);
    if (schedule.crewGroup == CrewGroup::FlightAttendants) {
        SetCabinQualifications(employee, codes);
    } else {
        SetPilotQualifications(employee, codes);
    }
    // Applied last: a reduced block wins over the check-pilot limits.
    if (Has(codes, "RB")) {
        employee.minDaysOffOverride = schedule.setup[kReducedMinDaysOff];
        employee.minBlockOverride = schedule.setup[kReducedMinBlockCredit];
        employee.maxBlockOverride = schedule.setup[kReducedMaxBlockCredit];
    }
}

}  // namespace

bool LooksLikeRosterExtract(std::string_view text) {
    const size_t length = ExtractLineLength(text, 1);
    return length == kLineLength || length == kLongLineLength;
}

std::string_view RosterSelectionKey(const TSchedule& schedule) {
    const std::string_view title = schedule.scheduleTitle;
    if (title.size() != 9) {
        return {};
    }
    return schedule.crewGroup == CrewGroup::FlightAttendants ? title.substr(0, kBaseStation.width)
                                                             : title.substr(0, kPilotKey.width);
}

RosterReadResult ReadRosterExtract(TSchedule& schedule, std::string_view text) {
    RosterReadResult result;
    schedule.employeeCount = 0;
    const std::string_view key = RosterSelectionKey(schedule);
    if (key.empty()) {
        return result;
    }
    const FixedColumn keyColumn{kBaseStation.start, key.size()};
    const auto capacity =
        static_cast<int32_t>(std::min(schedule.employees.size(), size_t{kMaxEmployees}));
    ExtractLineReader reader(text, kMaxLineLength);
    std::string_view raw;
    LineStatus status = LineStatus::End;
    std::string line;
    while ((status = reader.Next(raw)) == LineStatus::Line && raw.size() >= kShortLine) {
        line.assign(raw);
        UpperCase(line);
        if (ColumnText(line, keyColumn) != key) {
            continue;
        }
        if (schedule.employeeCount >= capacity) {
            ++result.notLoaded;
            continue;
        }
        TPilot& employee = schedule.employees[static_cast<size_t>(schedule.employeeCount)];
        FillEmployee(employee, line, schedule);
        schedule.logFile.Write(
            Format("%s %d Loaded\n", employee.name.c_str(), employee.employeeNumber));
        ++schedule.employeeCount;
        ++result.loaded;
        schedule.modified = 1;
    }
    if (status == LineStatus::TooLong) {
        result.failedLine = reader.LineNumber();
        return result;
    }
    result.complete = true;
    return result;
}

}  // namespace tallow
