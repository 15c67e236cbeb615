#include "core/import/toolbox_definitions.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "core/app/settings.h"
#include "core/import/default_toolbox_table.h"
#include "core/model/airport_details.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/model/time_text.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"

namespace tallow {
namespace {

constexpr const char* kCaption = "Tallowbright";
constexpr int32_t kDstChangeMinute = 120;  // 02:00

// The lines of a text one at a time, without their line ends. A missing line
// is how the caller finds out that the text ended early.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    std::optional<std::string_view> Next() {
        if (position_ >= text_.size()) {
            return std::nullopt;
        }
        const size_t end = text_.find('\n', position_);
        std::string_view line = end == std::string_view::npos
                                    ? text_.substr(position_)
                                    : text_.substr(position_, end - position_);
        position_ = end == std::string_view::npos ? text_.size() : end + 1;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        return line;
    }

    void Skip() { Next(); }

  private:
    std::string_view text_;
    size_t position_ = 0;
};

std::optional<int32_t> ReadCount(LineReader& lines) {
    const auto line = lines.Next();
    if (!line) {
        return std::nullopt;
    }
    size_t consumed = 0;
    const int32_t count = LeadingInt(*line, &consumed);
    if (consumed == 0) {
        return std::nullopt;
    }
    return count;
}

struct Entry {
    TAbsence code;
    std::string crewGroup;
};

std::optional<Entry> ReadEntry(LineReader& lines) {
    std::array<std::optional<std::string_view>, 12> fields;
    for (auto& field : fields) {
        field = lines.Next();
        if (!field) {
            return std::nullopt;
        }
    }
    lines.Skip();
    const auto flag = [](std::string_view text) -> uint8_t { return text == "Y" ? 1 : 0; };
    Entry entry;
    TAbsence& code = entry.code;
    code.code = std::string(*fields[0]);
    entry.crewGroup = std::string(*fields[1]);
    code.trackingCode = std::string(*fields[2]);
    code.caption = std::string(*fields[3]);
    code.startTime = ParseTime(*fields[4], true);
    code.endTime = ParseTime(*fields[5], true);
    code.credit = ParseTime(*fields[6], false);
    code.hardTime = ParseTime(*fields[7], false);
    code.containsDuty = flag(*fields[8]);
    code.isCarsDuty = flag(*fields[9]);
    code.countsCredit = flag(*fields[10]);
    code.inToolbox = flag(*fields[11]);
    return entry;
}

std::string_view CrewGroupName(CrewGroup group) {
    return group == CrewGroup::FlightAttendants ? "Cabin" : "Pilot";
}

struct ReadOutcome {
    ToolboxParseResult result = ToolboxParseResult::Corrupt;
    int32_t skippedEntries = 0;  // entries of the crew group beyond the catalogue
};

// Everything after the tag line. The airport table is replaced only once all
// its airports were read, so a damaged file leaves the previous one in place.
ReadOutcome ReadDefinitions(TSchedule& schedule, LineReader& lines) {
    ReadOutcome outcome;
    lines.Skip();
    const auto title = lines.Next();
    if (!title) {
        return outcome;
    }
    schedule.toolboxTitle = std::string(*title);
    schedule.toolboxCodeCount = 0;
    lines.Skip();
    const auto entries = ReadCount(lines);
    if (!entries) {
        return outcome;
    }
    if (*entries <= 0) {
        outcome.result = ToolboxParseResult::NoEntries;
        return outcome;
    }
    const std::string_view wanted = CrewGroupName(schedule.crewGroup);
    const int32_t capacity =
        std::min(kMaxToolboxCodes, static_cast<int32_t>(schedule.toolboxCodes.size()));
    for (int32_t i = 0; i < *entries; ++i) {
        auto entry = ReadEntry(lines);
        if (!entry) {
            return outcome;
        }
        if (entry->crewGroup != wanted) {
            continue;
        }
        if (schedule.toolboxCodeCount >= capacity) {
            ++outcome.skippedEntries;
            continue;
        }
        schedule.toolboxCodes[static_cast<size_t>(schedule.toolboxCodeCount)] =
            std::move(entry->code);
        ++schedule.toolboxCodeCount;
    }
    lines.Skip();
    const auto airports = ReadCount(lines);
    if (!airports) {
        return outcome;
    }
    if (*airports < 1) {
        outcome.result = ToolboxParseResult::NoAirports;
        return outcome;
    }
    std::string details;
    for (int32_t i = 0; i < *airports; ++i) {
        std::array<std::optional<std::string_view>, 4> fields;
        for (auto& field : fields) {
            field = lines.Next();
            if (!field) {
                return outcome;
            }
        }
        for (int unused = 0; unused < 4; ++unused) {
            lines.Skip();
        }
        details += AirportEntry(*fields[0], *fields[1], *fields[2], *fields[3]);
    }
    schedule.airportDetails = std::move(details);
    outcome.result = ToolboxParseResult::Loaded;
    return outcome;
}

bool InsideDstPeriod(const TSchedule& schedule, Date date, int32_t timeOfDay) {
    if (date == schedule.dstSpringDate) {
        return timeOfDay >= kDstChangeMinute;
    }
    if (date == schedule.dstAutumnDate) {
        return timeOfDay < kDstChangeMinute;
    }
    return date > schedule.dstSpringDate && date < schedule.dstAutumnDate;
}

std::string_view HomeBase(const TSchedule& schedule) {
    return std::string_view(schedule.scheduleTitle).substr(0, 3);
}

}  // namespace

ToolboxParseResult ParseToolboxDefinitions(TSchedule& schedule, std::string_view content,
                                           Desktop& desktop) {
    LineReader lines(content);
    if (lines.Next() != kToolboxTag) {
        ShowInfo(desktop, "Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File.",
                 kCaption);
        schedule.toolboxCodeCount = 0;
        return ToolboxParseResult::NotToolbox;
    }
    const ReadOutcome outcome = ReadDefinitions(schedule, lines);
    switch (outcome.result) {
        case ToolboxParseResult::Corrupt:
            ShowInfo(desktop, "Error Loading Absences. File may be Currupt", kCaption);
            schedule.toolboxTitle.clear();
            schedule.toolboxCodeCount = 0;
            return outcome.result;
        case ToolboxParseResult::NoEntries:
            ShowInfo(desktop, "No Absences to Load from File", kCaption);
            return outcome.result;
        case ToolboxParseResult::NoAirports:
            ShowInfo(desktop, "No Airport Details to Load from File", kCaption);
            break;
        case ToolboxParseResult::NotToolbox:
        case ToolboxParseResult::Loaded:
            break;
    }
    if (outcome.skippedEntries > 0) {
        ShowInfo(desktop,
                 Format("The ToolBox File holds more than %d Absences for this Crew Group. Only "
                        "the first %d were Loaded.",
                        kMaxToolboxCodes, kMaxToolboxCodes),
                 kCaption);
    }
    return outcome.result;
}

bool LoadToolboxFile(TSchedule& schedule, Desktop& desktop, Settings& settings, FileSystem& files) {
    FileChooser chooser;
    chooser.title = "Load ToolBox Absences";
    chooser.filter = "ToolBox Definition Files(*.box)|*.box|All Files (*.*)|*.*";
    chooser.initialFolder = settings.Text(keys::LastBoxPath);
    const auto path = desktop.ChooseOpenFile(chooser);
    if (!path) {
        return false;
    }
    std::string content;
    if (!files.ReadFile(*path, content)) {
        ShowInfo(desktop, Format("Unable to Open File %s", path->c_str()), kCaption);
        return false;
    }
    ParseToolboxDefinitions(schedule, content, desktop);
    settings.SetText(keys::LastBoxPath, std::filesystem::path(*path).parent_path().string());
    schedule.modified = 1;
    return true;
}

ToolboxMatch LookupTrackingCode(const TSchedule& schedule, std::string_view trackingCode) {
    if (schedule.toolboxCodeCount <= 0) {
        // The event log is written through a const schedule: logging is not a
        // change of the schedule.
        return LookupDefaultRows(DefaultToolboxRows(), schedule.crewGroup, trackingCode,
                                 const_cast<EventLog&>(schedule.logFile));
    }
    const auto count = static_cast<size_t>(
        std::min(schedule.toolboxCodeCount, static_cast<int32_t>(schedule.toolboxCodes.size())));
    for (size_t i = 0; i < count; ++i) {
        const TAbsence& entry = schedule.toolboxCodes[i];
        if (entry.trackingCode != trackingCode) {
            continue;
        }
        ToolboxMatch match;
        match.found = true;
        match.code = entry.code;
        match.credit = entry.credit;
        match.hardTime = entry.hardTime;
        match.reserve = entry.IsReserve(schedule.crewGroup);
        match.containsDuty = entry.containsDuty != 0;
        match.carsDuty = entry.isCarsDuty != 0;
        match.excludeCredit = entry.countsCredit == 0;
        return match;
    }
    return {};
}

bool HomeBaseObservesDst(const TSchedule& schedule) {
    if (schedule.scheduleTitle.size() < 3) {
        return true;
    }
    return ObservesDst(schedule.airportDetails, HomeBase(schedule)).value_or(true);
}

std::optional<int32_t> TimeZoneDifference(const TSchedule& schedule, std::string_view station,
                                          Date date, int32_t timeOfDay) {
    if (schedule.scheduleTitle.size() < 3 || station.size() != 3) {
        return std::nullopt;
    }
    const auto baseOffset = TimeZoneOffset(schedule.airportDetails, HomeBase(schedule));
    const auto stationOffset = TimeZoneOffset(schedule.airportDetails, station);
    if (!baseOffset || !stationOffset) {
        return std::nullopt;
    }
    int32_t difference = *stationOffset - *baseOffset;
    if (InsideDstPeriod(schedule, date, timeOfDay)) {
        const bool baseObserves = HomeBaseObservesDst(schedule);
        const bool stationObserves = ObservesDst(schedule.airportDetails, station).value_or(true);
        // Offsets are hours west of UTC: a side on summer time is an hour less
        // west, so the difference moves towards the side that stays put.
        if (baseObserves && !stationObserves) {
            difference += 60;
        } else if (stationObserves && !baseObserves) {
            difference -= 60;
        }
    }
    return difference;
}

}  // namespace tallow
