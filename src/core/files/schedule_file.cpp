#include "core/files/schedule_file.h"

#include <algorithm>

#include "core/files/record_io.h"
#include "core/files/schedule_layout.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"

namespace tallow {

namespace {

// Rough sizes of the stored records, so that the buffer grows once.
constexpr size_t kPairBytes = 2400;
constexpr size_t kPilotBytes = 7200;

void WriteCalendar(ObjectWriter& out, const TSchedule& s, int32_t dayCount) {
    for (size_t word = 0; word < kCalendarSetupWords; ++word) {
        int32_t value = s.setup[word];
        if (word == static_cast<size_t>(kSetupFirstWeekday)) {
            value = s.firstWeekday;
        } else if (word == static_cast<size_t>(kSetupDayCount)) {
            value = dayCount;
        }
        out.WriteWord(value);
    }
    for (size_t k = 0; k < static_cast<size_t>(dayCount); ++k) {
        out.WriteWord(s.days[k].day);
        out.WriteWord(s.days[k].month);
        out.WriteWord(s.days[k].year);
        for (char c : s.dayNames[k]) {
            out.WriteByte(static_cast<uint8_t>(c));
        }
        out.WriteFlag(s.weekend[k]);
    }
}

void WriteMonthData(ObjectWriter& out, const TSchedule& s, const OpenWindows& windows) {
    for (size_t j = 0; j < kShortTextBytes; ++j) {
        out.WriteByte(static_cast<uint8_t>(s.monthName[j]));
        out.WriteByte(static_cast<uint8_t>(s.yearText[j]));
        out.WriteByte(static_cast<uint8_t>(s.reservedShortTexts[0][j]));
        out.WriteByte(static_cast<uint8_t>(s.reservedShortTexts[1][j]));
    }
    for (const CalendarDate& date : s.previousDays) {
        out.WriteWord(date.day);
        out.WriteWord(date.month);
        out.WriteWord(date.year);
    }
    out.WriteWord(s.scheduleMonth);
    out.WriteWord(s.boardBuilt);
    out.WriteFlag(s.showAssignedPairings);
    out.WriteWord(s.reservedWord);
    out.WriteFlag(windows.pairings ? 1 : 0);
    out.WriteFlag(windows.toolbox ? 1 : 0);
    out.WriteByte(static_cast<uint8_t>(s.crewGroup));
    out.WriteText(s.undoHistory.ToText());
}

void WriteLaterAdditions(ObjectWriter& out, const TSchedule& s, const OpenWindows& windows) {
    out.WriteWord(s.lastImportedPairing);
    for (uint8_t flag : s.reservedFlags) {
        out.WriteFlag(flag);
    }
    for (const std::string& text : s.reservedTexts) {
        out.WriteText(text);
    }
    out.WriteFlag(s.searchActive);
    for (const std::string& filter : s.pairingFilters) {
        out.WriteText(filter);
    }
    out.WriteFlag(windows.bids ? 1 : 0);
    int32_t codeCount = std::clamp(s.toolboxCodeCount, 0, kMaxToolboxCodes);
    out.WriteWord(codeCount);
    for (size_t i = 0; i < static_cast<size_t>(codeCount); ++i) {
        WriteAbsence(out, s.toolboxCodes[i]);
    }
    out.WriteText(s.toolboxTitle);
    for (size_t word = kCalendarSetupWords; word < s.setup.size(); ++word) {
        out.WriteWord(s.setup[word]);
    }
    out.WriteText(s.segmentSummary);
    out.WriteText(s.fileNotes);
    out.WriteText(s.airportDetails);
    for (const std::string& text : s.reservedTextBlock) {
        out.WriteText(text);
    }
}

}  // namespace

std::optional<std::string> ScheduleBytes(const TSchedule& s, FileKind kind,
                                         const OpenWindows& windows) {
    // Counts are held to the tables' capacities so that the file always
    // matches what follows each count.
    int32_t dayCount = s.PeriodDays();
    int32_t employeeCount = std::clamp(s.employeeCount, 0, kMaxEmployees);
    int32_t lastPairing = std::clamp(s.lastPairing, -1, kMaxPairings - 1);

    ObjectWriter out;
    out.Reserve(static_cast<size_t>(lastPairing + 1) * kPairBytes +
                static_cast<size_t>(employeeCount) * kPilotBytes + 65536);
    std::string tag = std::string(KindTag(kind)) + std::string(kScheduleFileVersion);
    out.WriteText(tag);
    out.WriteText(s.scheduleTitle);
    WriteCalendar(out, s, dayCount);
    out.WriteWord(employeeCount);
    out.WriteWord(lastPairing);
    for (size_t i = 0; i < static_cast<size_t>(lastPairing + 1); ++i) {
        WritePair(out, s.pairings[i]);
    }
    for (size_t i = 0; i < static_cast<size_t>(employeeCount); ++i) {
        WritePilot(out, s.employees[i]);
    }
    WriteMonthData(out, s, windows);
    WriteLaterAdditions(out, s, windows);
    out.WriteText(kEndMarker);
    if (!out.Good()) {
        return std::nullopt;
    }
    return out.TakeBytes();
}

bool SaveSchedule(TSchedule& schedule, const std::string& path, FileKind kind, FileSystem& files,
                  Desktop& desktop, const OpenWindows& windows) {
    schedule.BuildPairingOrder();
    schedule.logFile.Write("SaveBlksBegin\n");
    WriteStatus status = WriteStatus::WriteFailed;
    {
        WaitCursor wait(desktop);
        if (std::optional<std::string> bytes = ScheduleBytes(schedule, kind, windows)) {
            status = files.WriteFileAtomically(path, *bytes);
        }
    }
    switch (status) {
        case WriteStatus::Ok:
            break;
        case WriteStatus::CannotCreate:
            ShowInfo(desktop,
                     "Unable to create file. File may be Read Only or In use by Another "
                     "Application. Use Save As to Save as a new name",
                     "File Error", MessageIcon::Stop);
            return false;
        case WriteStatus::WriteFailed:
            ShowInfo(desktop, "Error Saving File. Disk may be Full. Try Saving to Another Location",
                     "File Error", MessageIcon::Stop);
            return false;
    }
    schedule.modified = 0;
    schedule.logFile.Write("SaveBlksEnd\n");
    return true;
}

}  // namespace tallow
