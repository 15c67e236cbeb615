#include "core/files/schedule_file.h"

#include <algorithm>

#include "core/files/record_io.h"
#include "core/files/schedule_layout.h"
#include "core/model/text_format.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"

namespace tallow {

namespace {

class ScheduleReader {
  public:
    ScheduleReader(TSchedule& schedule, ObjectReader& in, std::string_view version)
        : s_(schedule),
          in_(in),
          version_(version),
          log_(schedule.logFile),
          logging_(schedule.logFile.IsOpen()) {}

    // Reads everything after the tag; the result's flags come from the file.
    LoadResult ReadItems();
    // Whether the file broke off or held more than the tables take.
    bool Damaged() const { return damaged_ || !in_.Good(); }
    bool After(std::string_view threshold) const { return version_ > threshold; }

  private:
    // A count from the file held to its table's capacity. A count outside it
    // means the file is damaged: what comes after the table cannot be trusted,
    // so reading stops once the table is full.
    int32_t Bounded(int32_t value, int32_t low, int32_t high, bool& outside) {
        outside = value < low || value > high;
        damaged_ = damaged_ || outside;
        return std::clamp(value, low, high);
    }
    void StopIf(bool outside) {
        if (outside) {
            in_.Fail();
        }
    }

    void ReadCalendar();
    void ReadRecords();
    void ReadMonthData(LoadResult& result);
    void ReadLaterAdditions(LoadResult& result);

    TSchedule& s_;
    ObjectReader& in_;
    std::string_view version_;
    EventLog& log_;
    bool logging_;
    bool damaged_ = false;
};

void ScheduleReader::ReadCalendar() {
    in_.ReadText(s_.scheduleTitle);
    for (size_t word = 0; word < kCalendarSetupWords; ++word) {
        s_.setup[word] = in_.ReadWord();
    }
    s_.firstWeekday = s_.setup[kSetupFirstWeekday];
    bool outside = false;
    s_.dayCount = Bounded(s_.setup[kSetupDayCount], 0, kMaxPeriodDays, outside);
    s_.setup[kSetupDayCount] = s_.dayCount;
    for (size_t k = 0; k < static_cast<size_t>(s_.dayCount); ++k) {
        s_.days[k].day = in_.ReadWord();
        s_.days[k].month = in_.ReadWord();
        s_.days[k].year = in_.ReadWord();
        for (char& c : s_.dayNames[k]) {
            c = static_cast<char>(in_.ReadByte());
        }
        s_.weekend[k] = in_.ReadFlag();
    }
    StopIf(outside);
}

void ScheduleReader::ReadRecords() {
    bool rowsOutside = false;
    bool seatsOutside = false;
    s_.employeeCount = Bounded(in_.ReadWord(), 0, kMaxEmployees, rowsOutside);
    s_.lastPairing = Bounded(in_.ReadWord(), -1, kMaxPairings - 1, seatsOutside);
    log_.Write("LoadBlksLoadPairs\n");
    for (size_t i = 0; i < static_cast<size_t>(s_.lastPairing + 1); ++i) {
        ReadPair(in_, s_.pairings[i]);
        if (logging_) {
            log_.Write(Format("Pairing %d Loaded\n", s_.pairings[i].number));
        }
    }
    StopIf(seatsOutside);
    log_.Write("LoadBlksLoadEmployees\n");
    for (size_t i = 0; i < static_cast<size_t>(s_.employeeCount); ++i) {
        ReadPilot(in_, s_.employees[i]);
        if (logging_) {
            log_.Write(Format("Employee %s Loaded\n", s_.employees[i].name.c_str()));
        }
    }
    StopIf(rowsOutside);
}

void ScheduleReader::ReadMonthData(LoadResult& result) {
    log_.Write("LoadMonthDataBegin\n");
    for (size_t j = 0; j < kShortTextBytes; ++j) {
        s_.monthName[j] = static_cast<char>(in_.ReadByte());
        s_.yearText[j] = static_cast<char>(in_.ReadByte());
        s_.reservedShortTexts[0][j] = static_cast<char>(in_.ReadByte());
        s_.reservedShortTexts[1][j] = static_cast<char>(in_.ReadByte());
    }
    s_.monthName[kShortTextBytes - 1] = 0;
    s_.yearText[kShortTextBytes - 1] = 0;
    s_.reservedShortTexts[0][kShortTextBytes - 1] = 0;
    s_.reservedShortTexts[1][kShortTextBytes - 1] = 0;
    for (CalendarDate& date : s_.previousDays) {
        date.day = in_.ReadWord();
        date.month = in_.ReadWord();
        date.year = in_.ReadWord();
    }
    s_.scheduleMonth = in_.ReadWord();
    result.buildBoard = in_.ReadWord() != 0;
    s_.showAssignedPairings = in_.ReadFlag();
    s_.reservedWord = in_.ReadWord();
    result.windows.pairings = in_.ReadFlag() != 0;
    result.windows.toolbox = in_.ReadFlag() != 0;
    s_.crewGroup = static_cast<CrewGroup>(in_.ReadByte());
    log_.Write("LoadUndoRedoString\n");
    std::string history;
    in_.ReadText(history);
    if (history.size() > 1) {
        s_.undoHistory.FromText(history);
    }
}

void ScheduleReader::ReadLaterAdditions(LoadResult& result) {
    s_.lastImportedPairing = After("2") ? in_.ReadWord() : s_.lastPairing;
    // The extra seats follow the imported ones, so it never passes the last seat.
    s_.lastImportedPairing = std::clamp(s_.lastImportedPairing, -1, s_.lastPairing);
    if (After("21")) {
        for (uint8_t& flag : s_.reservedFlags) {
            flag = in_.ReadFlag();
        }
        for (std::string& text : s_.reservedTexts) {
            in_.ReadText(text);
        }
        in_.ReadFlag();  // searchActive: a search is never active after a load
    }
    s_.searchActive = 0;
    if (After("22")) {
        for (std::string& filter : s_.pairingFilters) {
            in_.ReadText(filter);
        }
    }
    if (After("23")) {
        result.windows.bids = in_.ReadFlag() != 0;
    }
    if (After("25")) {
        bool outside = false;
        s_.toolboxCodeCount = Bounded(in_.ReadWord(), 0, kMaxToolboxCodes, outside);
        for (size_t i = 0; i < static_cast<size_t>(s_.toolboxCodeCount); ++i) {
            ReadAbsence(in_, s_.toolboxCodes[i]);
        }
        StopIf(outside);
    }
    if (After("26")) {
        in_.ReadText(s_.toolboxTitle);
    }
    if (After("27")) {
        for (size_t word = kCalendarSetupWords; word < s_.setup.size(); ++word) {
            s_.setup[word] = in_.ReadWord();
        }
        in_.ReadText(s_.segmentSummary);
    }
    if (After("28")) {
        in_.ReadText(s_.fileNotes);
        in_.ReadText(s_.airportDetails);
        for (std::string& text : s_.reservedTextBlock) {
            in_.ReadText(text);
        }
    }
}

LoadResult ScheduleReader::ReadItems() {
    LoadResult result;
    ReadCalendar();
    ReadRecords();
    ReadMonthData(result);
    ReadLaterAdditions(result);
    if (s_.setup[kCheckPilotMaxCredit] == 0) {
        s_.setup[kCheckPilotMaxCredit] = kDefaultCheckPilotMaxCredit;
    }
    result.loaded = true;
    return result;
}

}  // namespace

LoadResult LoadScheduleBytes(TSchedule& schedule, std::string_view bytes,
                             const std::string& fileName, Desktop& desktop) {
    ObjectReader in(bytes);
    if (!in.Good()) {
        ShowInfo(desktop, fileName, "Tallowbright - Cannot Open File");
        return {};
    }
    schedule.logFile.Write("LoadBlksBegin\n");
    std::string tag;
    in.ReadText(tag);
    std::optional<FileKind> kind = KindOfTag(tag);
    if (!kind) {
        ShowInfo(desktop, fileName, "This is Not a Valid Tallowbright 2 File.");
        return {};
    }
    schedule.fileKind = *kind;
    std::string_view version = std::string_view(tag).substr(kKindTagLength);

    ScheduleReader reader(schedule, in, version);
    LoadResult result = reader.ReadItems();

    bool endFound = true;
    if (version == "25" || reader.After("25")) {
        std::string marker;
        in.ReadText(marker);
        endFound = marker == (version == "25" ? std::string_view(tag) : kEndMarker);
    }
    // Files older than the end marker are checked by the stream itself, so a
    // cut or overfull file of any version is reported.
    if (!endFound || reader.Damaged()) {
        ShowInfo(desktop,
                 "This file may be currupt. No End Of File found. Consider loading Backup File",
                 "Tallowbright");
    }
    schedule.modified = 0;
    schedule.untitled = 0;
    schedule.logFile.Write("LoadBlksEnd\n");
    return result;
}

LoadResult LoadSchedule(TSchedule& schedule, const std::string& path, FileSystem& files,
                        Desktop& desktop) {
    std::string bytes;
    if (!files.ReadFile(path, bytes)) {
        ShowInfo(desktop, path, "Tallowbright - Cannot Open File");
        return {};
    }
    return LoadScheduleBytes(schedule, bytes, path, desktop);
}

}  // namespace tallow
