#include "core/import/toolbox_definitions.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/app/settings.h"
#include "core/model/airport_details.h"
#include "core/model/schedule.h"
#include "support/memory_files.h"
#include "support/scripted_desktop.h"

namespace tallow {
namespace {

using testing::MemoryFiles;
using testing::ScriptedDesktop;

constexpr const char* kCorrupt = "Error Loading Absences. File may be Currupt";
constexpr const char* kNotToolbox =
    "Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File.";
constexpr const char* kNoAbsences = "No Absences to Load from File";
constexpr const char* kNoAirports = "No Airport Details to Load from File";
constexpr const char* kOldAirports = "YUL,05:00,00:40,Y,";

struct BoxEntry {
    std::string code;
    std::string crew = "Pilot";
    std::string tracking = "VC";
    std::string caption = "Vacation";
    std::string start = "12:00";
    std::string end = "16:00";
    std::string credit = "2:50";
    std::string hard = "0:00";
    std::string duty = "N";
    std::string cars = "N";
    std::string counts = "Y";
    std::string inToolbox = "Y";
};

struct BoxAirport {
    std::string code;
    std::string offset;
    std::string stationTime;
    std::string dst;
};

// A toolbox definition file, written the way the definition editor writes it.
struct BoxFile {
    std::string title = "May 2024";
    std::vector<BoxEntry> entries;
    std::vector<BoxAirport> airports;
    std::string lineEnd = "\n";

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines = {"JXToolBox", "Version 3", title, "Absences",
                                          std::to_string(entries.size())};
        for (const BoxEntry& e : entries) {
            lines.insert(lines.end(),
                         {e.code, e.crew, e.tracking, e.caption, e.start, e.end, e.credit, e.hard,
                          e.duty, e.cars, e.counts, e.inToolbox, "-"});
        }
        lines.push_back("Airports");
        lines.push_back(std::to_string(airports.size()));
        for (const BoxAirport& a : airports) {
            lines.insert(lines.end(), {a.code, a.offset, a.stationTime, a.dst, "x", "x", "x", "x"});
        }
        return lines;
    }

    std::string Text() const { return Join(Lines(), lineEnd); }

    static std::string Join(const std::vector<std::string>& lines, const std::string& end) {
        std::string text;
        for (const std::string& line : lines) {
            text += line + end;
        }
        return text;
    }
};

const std::vector<BoxAirport> kCanada = {{"YYZ", "05:00", "00:30", "Y"},
                                         {"YVR", "08:00", "00:45", "Y"}};

class ToolboxLoad : public ::testing::Test {
  protected:
    ToolboxLoad() {
        schedule_.airportDetails = kOldAirports;
        schedule_.toolboxTitle = "Old";
    }

    ToolboxParseResult Parse(const std::string& text, CrewGroup group = CrewGroup::Captains) {
        schedule_.crewGroup = group;
        return ParseToolboxDefinitions(schedule_, text, desktop_);
    }

    // Puts a loaded catalogue of `count` entries in place.
    void Preload(int count) {
        for (int i = 0; i < count; ++i) {
            schedule_.toolboxCodes[static_cast<size_t>(i)].code = "OLD";
        }
        schedule_.toolboxCodeCount = count;
    }

    TSchedule schedule_;
    ScriptedDesktop desktop_;
};

TEST_F(ToolboxLoad, ReadsEveryFieldOfAnEntryAndTheAirports) {
    BoxFile box;
    box.entries = {
        {"SIM", "Pilot", "SM", "Simulator Day", "9:00", "25:00", "12:30", "1:15", "Y", "Y", "N",
         "Y"},
        {"VAC", "Pilot", "VC", "Vacation", "12:00", "16:00", "25:00", "", "N", "y", "Y", "N"}};
    box.airports = kCanada;

    EXPECT_EQ(Parse(box.Text()), ToolboxParseResult::Loaded);

    EXPECT_TRUE(desktop_.messages.empty());
    EXPECT_EQ(schedule_.toolboxTitle, "May 2024");
    ASSERT_EQ(schedule_.toolboxCodeCount, 2);
    const TAbsence& sim = schedule_.toolboxCodes[0];
    EXPECT_EQ(sim.code, "SIM");
    EXPECT_EQ(sim.trackingCode, "SM");
    EXPECT_EQ(sim.caption, "Simulator Day");
    EXPECT_EQ(sim.startTime, 540);
    EXPECT_EQ(sim.endTime, -1);  // 25:00 is no time of day
    EXPECT_EQ(sim.credit, 750);
    EXPECT_EQ(sim.hardTime, 75);
    EXPECT_EQ(sim.containsDuty, 1);
    EXPECT_EQ(sim.isCarsDuty, 1);
    EXPECT_EQ(sim.countsCredit, 0);
    EXPECT_EQ(sim.inToolbox, 1);
    const TAbsence& vac = schedule_.toolboxCodes[1];
    EXPECT_EQ(vac.credit, 1500);  // credits may exceed a day
    EXPECT_EQ(vac.containsDuty, 0);
    EXPECT_EQ(vac.isCarsDuty, 0);  // only "Y" sets a flag
    EXPECT_EQ(vac.countsCredit, 1);
    EXPECT_EQ(vac.inToolbox, 0);

    EXPECT_EQ(schedule_.airportDetails, "YYZ,05:00,00:30,Y,YVR,08:00,00:45,Y,");
    EXPECT_EQ(StationTimeValue(schedule_.airportDetails, "YVR"), 45);
    EXPECT_EQ(StationTimeValue(schedule_.airportDetails, "YYC"), 30);
}

TEST_F(ToolboxLoad, KeepsOnlyTheEntriesOfTheSchedulesCrewGroup) {
    BoxFile box;
    for (int i = 0; i < 20; ++i) {
        BoxEntry entry;
        entry.crew = i % 5 < 3 ? "Pilot" : "Cabin";  // 12 pilot, 8 cabin entries, interleaved
        entry.code = entry.crew.substr(0, 1) + std::to_string(i);
        box.entries.push_back(entry);
    }
    box.airports = kCanada;
    const struct {
        CrewGroup group;
        int count;
        const char* first;
        const char* last;
    } cases[] = {
        {CrewGroup::Captains, 12, "P0", "P17"},
        {CrewGroup::FirstOfficers, 12, "P0", "P17"},
        {CrewGroup::FlightAttendants, 8, "C3", "C19"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(Parse(box.Text(), c.group), ToolboxParseResult::Loaded);
        ASSERT_EQ(schedule_.toolboxCodeCount, c.count);
        EXPECT_EQ(schedule_.toolboxCodes[0].code, c.first);
        EXPECT_EQ(schedule_.toolboxCodes[static_cast<size_t>(c.count - 1)].code, c.last);
    }
}

TEST_F(ToolboxLoad, AFileForTheOtherCrewGroupLeavesTheDefaultTableInUse) {
    Preload(4);
    BoxFile box;
    box.entries = {BoxEntry{.code = "VAC", .crew = "Cabin"}};
    box.airports = kCanada;

    EXPECT_EQ(Parse(box.Text(), CrewGroup::Captains), ToolboxParseResult::Loaded);

    EXPECT_EQ(schedule_.toolboxCodeCount, 0);
    EXPECT_EQ(LookupTrackingCode(schedule_, "VC").code, "VAC");  // from the default table
}

TEST_F(ToolboxLoad, ReadsWindowsLineEnds) {
    BoxFile box;
    box.entries = {BoxEntry{.code = "VAC"}};
    box.airports = kCanada;
    box.lineEnd = "\r\n";

    EXPECT_EQ(Parse(box.Text()), ToolboxParseResult::Loaded);

    EXPECT_EQ(schedule_.toolboxCodes[0].code, "VAC");
    EXPECT_EQ(schedule_.toolboxCodes[0].credit, 170);
    EXPECT_EQ(schedule_.airportDetails, "YYZ,05:00,00:30,Y,YVR,08:00,00:45,Y,");
}

TEST_F(ToolboxLoad, RefusesTextThatIsNotAToolbox) {
    std::string binary =
        "\x7f"
        "ELF\x02\x01";
    binary += std::string(40, '\0');
    const std::string cases[] = {
        "JXToolBox \nx\nTitle\nx\n0\n",  // trailing blank on the tag
        "jxtoolbox\nx\nTitle\nx\n0\n",  "", "\n", binary, "Vellumix extract line of the wrong kind",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        Preload(3);
        desktop_.messages.clear();

        EXPECT_EQ(Parse(text), ToolboxParseResult::NotToolbox);

        EXPECT_EQ(desktop_.MessageTexts(), std::vector<std::string>{kNotToolbox});
        EXPECT_EQ(desktop_.messages[0].caption, "Tallowbright");
        EXPECT_EQ(schedule_.toolboxCodeCount, 0);
        EXPECT_EQ(schedule_.toolboxTitle, "Old");
        EXPECT_EQ(schedule_.airportDetails, kOldAirports);
    }
}

TEST_F(ToolboxLoad, AFileWithoutEntriesKeepsTheDefaultTable) {
    for (const char* count : {"0", "-3"}) {
        SCOPED_TRACE(count);
        Preload(3);
        desktop_.messages.clear();
        const std::string text = BoxFile::Join(
            {"JXToolBox", "x", "Empty", "x", count, "Airports", "1", "YVR", "08:00", "00:45", "Y"},
            "\n");

        EXPECT_EQ(Parse(text), ToolboxParseResult::NoEntries);

        EXPECT_EQ(desktop_.MessageTexts(), std::vector<std::string>{kNoAbsences});
        EXPECT_EQ(schedule_.toolboxCodeCount, 0);
        EXPECT_EQ(schedule_.toolboxTitle, "Empty");
        EXPECT_EQ(schedule_.airportDetails, kOldAirports);
    }
}

TEST_F(ToolboxLoad, AFileWithoutAirportsKeepsItsCodesAndTheOldAirports) {
    BoxFile box;
    box.entries = {BoxEntry{.code = "VAC"}, BoxEntry{.code = "SIM", .tracking = "SM"}};

    EXPECT_EQ(Parse(box.Text()), ToolboxParseResult::NoAirports);

    EXPECT_EQ(desktop_.MessageTexts(), std::vector<std::string>{kNoAirports});
    EXPECT_EQ(schedule_.toolboxCodeCount, 2);
    EXPECT_EQ(schedule_.toolboxTitle, "May 2024");
    EXPECT_EQ(schedule_.airportDetails, kOldAirports);
}

TEST_F(ToolboxLoad, ATextThatEndsEarlyLoadsNothing) {
    BoxFile box;
    box.entries = {BoxEntry{.code = "VAC"}, BoxEntry{.code = "SIM", .tracking = "SM"}};
    box.airports = kCanada;
    const std::vector<std::string> lines = box.Lines();
    // Every cut before the last airport's flag, which is the last line read.
    const size_t lastReadLine = lines.size() - 5;
    for (size_t kept = 1; kept <= lastReadLine; ++kept) {
        SCOPED_TRACE(kept);
        Preload(3);
        schedule_.toolboxTitle = "Old";
        desktop_.messages.clear();
        const std::string text =
            BoxFile::Join(std::vector<std::string>(
                              lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(kept)),
                          "\n");

        EXPECT_EQ(Parse(text), ToolboxParseResult::Corrupt);

        EXPECT_EQ(desktop_.MessageTexts(), std::vector<std::string>{kCorrupt});
        EXPECT_EQ(schedule_.toolboxCodeCount, 0);
        EXPECT_EQ(schedule_.toolboxTitle, "");
        EXPECT_EQ(schedule_.airportDetails, kOldAirports);
    }
}

TEST_F(ToolboxLoad, AFileThatStopsAfterTheLastUsedLineStillLoads) {
    BoxFile box;
    box.entries = {BoxEntry{.code = "VAC"}};
    box.airports = kCanada;
    std::vector<std::string> lines = box.Lines();
    lines.resize(lines.size() - 4);  // the last airport's unused lines are missing

    EXPECT_EQ(Parse(BoxFile::Join(lines, "\n")), ToolboxParseResult::Loaded);
    EXPECT_EQ(schedule_.toolboxCodeCount, 1);
    EXPECT_EQ(schedule_.airportDetails, "YYZ,05:00,00:30,Y,YVR,08:00,00:45,Y,");
}

TEST_F(ToolboxLoad, UnreadableCountsAreCorrupt) {
    const std::vector<std::string> cases[] = {
        {"JXToolBox", "x", "T", "x", "twelve"},
        {"JXToolBox", "x", "T", "x", ""},
        // A count far beyond the text.
        {"JXToolBox", "x", "T", "x", "2147483647", "VAC", "Pilot", "VC"},
    };
    for (const auto& lines : cases) {
        SCOPED_TRACE(lines[4]);
        desktop_.messages.clear();
        EXPECT_EQ(Parse(BoxFile::Join(lines, "\n")), ToolboxParseResult::Corrupt);
        EXPECT_EQ(desktop_.MessageTexts(), std::vector<std::string>{kCorrupt});
    }
    BoxFile box;
    box.entries = {BoxEntry{.code = "VAC"}};
    std::vector<std::string> lines = box.Lines();
    lines.back() = "none";  // the airport count
    desktop_.messages.clear();
    EXPECT_EQ(Parse(BoxFile::Join(lines, "\n")), ToolboxParseResult::Corrupt);
    EXPECT_EQ(schedule_.toolboxCodeCount, 0);
}

TEST_F(ToolboxLoad, EntriesBeyondTheCatalogueAreSkippedWithAMessage) {
    BoxFile box;
    for (int i = 0; i < kMaxToolboxCodes + 5; ++i) {
        box.entries.push_back(BoxEntry{.code = "P" + std::to_string(i)});
        if (i % 50 == 0) {
            box.entries.push_back(BoxEntry{.code = "C" + std::to_string(i), .crew = "Cabin"});
        }
    }
    box.airports = kCanada;

    EXPECT_EQ(Parse(box.Text()), ToolboxParseResult::Loaded);

    ASSERT_EQ(schedule_.toolboxCodeCount, kMaxToolboxCodes);
    EXPECT_EQ(schedule_.toolboxCodes.size(), static_cast<size_t>(kMaxToolboxCodes));
    EXPECT_EQ(schedule_.toolboxCodes[299].code, "P299");
    EXPECT_EQ(desktop_.MessageTexts(),
              std::vector<std::string>{"The ToolBox File holds more than 300 Absences for this "
                                       "Crew Group. Only the first 300 were Loaded."});
    EXPECT_EQ(schedule_.airportDetails, "YYZ,05:00,00:30,Y,YVR,08:00,00:45,Y,");

    // The same file read by the other crew group fits.
    desktop_.messages.clear();
    EXPECT_EQ(Parse(box.Text(), CrewGroup::FlightAttendants), ToolboxParseResult::Loaded);
    EXPECT_EQ(schedule_.toolboxCodeCount, 7);
    EXPECT_TRUE(desktop_.messages.empty());
}

TEST_F(ToolboxLoad, SurvivesGarbageAfterAValidTag) {
    std::mt19937 random(20240501);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string text = "JXToolBox\n";
        const int length = 1 + round * 7;
        for (int i = 0; i < length; ++i) {
            // Many line ends and digits, so that the counts and lines get read.
            const int b = byte(random);
            text += b < 60    ? '\n'
                    : b < 120 ? static_cast<char>('0' + b % 10)
                              : static_cast<char>(b);
        }
        desktop_.messages.clear();
        Parse(text, round % 2 == 0 ? CrewGroup::Captains : CrewGroup::FlightAttendants);
        EXPECT_GE(schedule_.toolboxCodeCount, 0);
        EXPECT_LE(schedule_.toolboxCodeCount, kMaxToolboxCodes);
        EXPECT_LE(desktop_.messages.size(), 2u);
    }
}

class ToolboxFileCommand : public ::testing::Test {
  protected:
    static constexpr const char* kPath = "/data/boxes/may.box";

    TSchedule schedule_;
    ScriptedDesktop desktop_;
    MemoryFiles files_;
    Settings settings_{"/config/tallow.ini", files_, "/home/scheduler"};
};

TEST_F(ToolboxFileCommand, LoadsTheChosenFileAndRemembersItsFolder) {
    settings_.SetText(keys::LastBoxPath, "/data/old");
    BoxFile box;
    box.entries = {BoxEntry{.code = "VAC"}};
    box.airports = kCanada;
    files_.files[kPath] = box.Text();
    desktop_.ChooseFile(kPath);

    EXPECT_TRUE(LoadToolboxFile(schedule_, desktop_, settings_, files_));

    ASSERT_EQ(desktop_.choosers.size(), 1u);
    EXPECT_EQ(desktop_.choosers[0].title, "Load ToolBox Absences");
    EXPECT_EQ(desktop_.choosers[0].filter,
              "ToolBox Definition Files(*.box)|*.box|All Files (*.*)|*.*");
    EXPECT_EQ(desktop_.choosers[0].initialFolder, "/data/old");
    EXPECT_EQ(schedule_.toolboxCodeCount, 1);
    EXPECT_EQ(schedule_.modified, 1);
    EXPECT_EQ(settings_.Text(keys::LastBoxPath), "/data/boxes");
}

TEST_F(ToolboxFileCommand, AFileThatFailsToParseStillCountsAsRead) {
    files_.files[kPath] = "JXToolBox \n";
    desktop_.ChooseFile(kPath);

    EXPECT_TRUE(LoadToolboxFile(schedule_, desktop_, settings_, files_));

    EXPECT_EQ(desktop_.MessageTexts(), std::vector<std::string>{kNotToolbox});
    EXPECT_EQ(settings_.Text(keys::LastBoxPath), "/data/boxes");
    EXPECT_EQ(schedule_.modified, 1);
}

TEST_F(ToolboxFileCommand, CancelChangesNothing) {
    desktop_.ChooseFile(std::nullopt);

    EXPECT_FALSE(LoadToolboxFile(schedule_, desktop_, settings_, files_));

    EXPECT_EQ(desktop_.choosers[0].initialFolder, "");
    EXPECT_TRUE(desktop_.messages.empty());
    EXPECT_EQ(schedule_.modified, 0);
    EXPECT_FALSE(files_.Exists("/config/tallow.ini"));
}

TEST_F(ToolboxFileCommand, AFileThatCannotBeReadIsNamed) {
    desktop_.ChooseFile(kPath);

    EXPECT_FALSE(LoadToolboxFile(schedule_, desktop_, settings_, files_));

    EXPECT_EQ(desktop_.MessageTexts(),
              std::vector<std::string>{"Unable to Open File /data/boxes/may.box"});
    EXPECT_EQ(schedule_.modified, 0);
    EXPECT_EQ(settings_.Text(keys::LastBoxPath), "");
}

class TrackingCodeLookup : public ::testing::Test {
  protected:
    void Load(std::initializer_list<TAbsence> codes) {
        schedule_.toolboxCodeCount = 0;
        for (const TAbsence& code : codes) {
            schedule_.toolboxCodes[static_cast<size_t>(schedule_.toolboxCodeCount++)] = code;
        }
    }

    static TAbsence Code(std::string code, std::string tracking) {
        TAbsence entry;
        entry.code = std::move(code);
        entry.trackingCode = std::move(tracking);
        return entry;
    }

    TSchedule schedule_;
};

TEST_F(TrackingCodeLookup, WithoutACatalogueUsesTheDefaultTable) {
    const struct {
        CrewGroup group;
        const char* tracking;
        const char* code;
        int32_t credit;
        bool duty;
        bool cars;
        bool reserve;
    } cases[] = {
        {CrewGroup::Captains, "VC", "VAC", 170, false, false, false},
        {CrewGroup::FlightAttendants, "VC", "VAC", 170, false, false, false},
        {CrewGroup::Captains, "RA", "RA ", 0, true, true, true},
        {CrewGroup::FirstOfficers, "RA", "RA ", 0, true, true, true},
        {CrewGroup::FlightAttendants, "RA", "RA ", 240, true, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tracking);
        schedule_.crewGroup = c.group;
        const ToolboxMatch match = LookupTrackingCode(schedule_, c.tracking);
        EXPECT_TRUE(match.found);
        EXPECT_EQ(match.code, c.code);
        EXPECT_EQ(match.credit, c.credit);
        EXPECT_EQ(match.containsDuty, c.duty);
        EXPECT_EQ(match.carsDuty, c.cars);
        EXPECT_EQ(match.reserve, c.reserve);
        EXPECT_EQ(match.hardTime, 0);
        EXPECT_FALSE(match.excludeCredit);
    }
    EXPECT_FALSE(LookupTrackingCode(schedule_, "ZZ").found);
}

TEST_F(TrackingCodeLookup, WithACatalogueTakesTheFirstEntryInCatalogueOrder) {
    TAbsence training = Code("SIM", "SM");
    training.credit = 240;
    training.hardTime = 90;
    training.containsDuty = 1;
    training.isCarsDuty = 1;
    training.countsCredit = 0;
    Load({Code("VAC", "VC"), training, Code("SM2", "SM")});

    const ToolboxMatch match = LookupTrackingCode(schedule_, "SM");

    EXPECT_TRUE(match.found);
    EXPECT_EQ(match.code, "SIM");
    EXPECT_EQ(match.credit, 240);
    EXPECT_EQ(match.hardTime, 90);
    EXPECT_TRUE(match.containsDuty);
    EXPECT_TRUE(match.carsDuty);
    EXPECT_TRUE(match.excludeCredit);
    EXPECT_FALSE(match.reserve);
    // The default table is not consulted while a catalogue is loaded.
    EXPECT_FALSE(LookupTrackingCode(schedule_, "RA").found);
}

TEST_F(TrackingCodeLookup, ReserveFollowsTheCrewGroupAndNeverRtb) {
    Load({Code("RTB", "RB"), Code("RB", "RB"), Code("RCK", "RK")});
    const struct {
        CrewGroup group;
        const char* tracking;
        const char* code;
        bool reserve;
    } cases[] = {
        {CrewGroup::Captains, "RB", "RTB", false},
        {CrewGroup::Captains, "RK", "RCK", true},
        {CrewGroup::FlightAttendants, "RK", "RCK", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tracking);
        schedule_.crewGroup = c.group;
        const ToolboxMatch match = LookupTrackingCode(schedule_, c.tracking);
        EXPECT_EQ(match.code, c.code);
        EXPECT_EQ(match.reserve, c.reserve);
    }
}

class TimeZones : public ::testing::Test {
  protected:
    TimeZones() {
        schedule_.scheduleTitle = "YVRDH8CV";
        schedule_.airportDetails =
            "YYZ,05:00,00:30,Y,YVR,08:00,00:45,Y,YQR,06:00,00:30,N,YXE,06:00,00:30,N,YWG,08:75,"
            "00:30,Y,";
        schedule_.dstSpringDate = Date::FromDmy(10, 3, 2024);
        schedule_.dstAutumnDate = Date::FromDmy(3, 11, 2024);
    }

    std::optional<int32_t> Difference(const char* station, int day, int month, int32_t time) {
        return TimeZoneDifference(schedule_, station, Date::FromDmy(day, month, 2024), time);
    }

    TSchedule schedule_;
};

TEST_F(TimeZones, DifferenceIsTheStationsOffsetLessTheBases) {
    EXPECT_EQ(Difference("YYZ", 15, 1, 600), -180);
    EXPECT_EQ(Difference("YYZ", 15, 7, 600), -180);  // both observe daylight saving
    EXPECT_EQ(Difference("YVR", 15, 7, 600), 0);
}

TEST_F(TimeZones, DaylightSavingMovesTheDifferenceWhenOnlyOneSideObservesIt) {
    const struct {
        const char* base;
        const char* station;
        int day;
        int month;
        int32_t time;
        int32_t difference;
    } cases[] = {
        {"YVR", "YQR", 15, 1, 600, -120},  // winter
        // Vancouver on summer time is UTC-7 and Regina stays at UTC-6.
        {"YVR", "YQR", 15, 7, 600, -60},   // only the base observes: 60 more
        {"YVR", "YQR", 10, 3, 119, -120},  // spring change date before 02:00
        {"YVR", "YQR", 10, 3, 120, -60},   // from 02:00
        {"YVR", "YQR", 3, 11, 119, -60},   // autumn change date before 02:00
        {"YVR", "YQR", 3, 11, 120, -120},
        {"YVR", "YQR", 4, 11, 0, -120},
        {"YXE", "YQR", 15, 7, 600, 0},  // neither observes
        {"YQR", "YYZ", 15, 12, 600, -60},
        {"YQR", "YYZ", 15, 7, 600, -120},  // only the station observes: 60 less
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.base) + " to " + c.station + " " + std::to_string(c.day) + "/" +
                     std::to_string(c.month) + " " + std::to_string(c.time));
        schedule_.scheduleTitle = std::string(c.base) + "DH8CX";
        EXPECT_EQ(Difference(c.station, c.day, c.month, c.time), c.difference);
    }
}

TEST_F(TimeZones, MissingAirportsGiveNoDifference) {
    EXPECT_EQ(Difference("YUL", 15, 1, 600), std::nullopt);
    EXPECT_EQ(Difference("YV", 15, 1, 600), std::nullopt);
    EXPECT_EQ(Difference("YWG", 15, 1, 600), std::nullopt);  // unreadable offset
    schedule_.scheduleTitle = "YV";
    EXPECT_EQ(Difference("YYZ", 15, 1, 600), std::nullopt);
    schedule_.scheduleTitle = "YULDH8CU";
    EXPECT_EQ(Difference("YYZ", 15, 1, 600), std::nullopt);
}

TEST_F(TimeZones, HomeBaseObservesDaylightSavingUnlessFlaggedN) {
    const struct {
        const char* title;
        bool observes;
    } cases[] = {
        {"YVRDH8CV", true}, {"YQRDH8CR", false}, {"YULDH8CU", true},  // not in the table
        {"YQ", true},       {"", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        schedule_.scheduleTitle = c.title;
        EXPECT_EQ(HomeBaseObservesDst(schedule_), c.observes);
    }
}

}  // namespace
}  // namespace tallow
