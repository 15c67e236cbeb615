// Every file the generator writes, read back column by column against the
// layouts the importers use, and compared with the month it describes.

#include "sample/sample_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/model/time_text.h"
#include "sample/absences_writer.h"
#include "sample/airports.h"
#include "sample/prg_writer.h"
#include "sample/roster_writer.h"
#include "sample/toolbox_writer.h"
#include "sample_text.h"

namespace tallow::sample {
namespace {

using testing::Columns;
using testing::Lines;
using testing::Number;

constexpr int kDay = 1440;

SampleOptions Group(const char* status, int month, bool dst) {
    SampleOptions options;
    options.status = status;
    options.month = month;
    options.dst = dst;
    options.seed = 11;
    return options;
}

std::string Blank(size_t width) {
    return std::string(width, ' ');
}

std::string DateText(const SampleMonth& month, int day) {
    Date date = month.DayDate(day);
    return std::to_string(date.Year() * 10000 + date.Month() * 100 + date.Day());
}

class SampleFilesTest : public ::testing::TestWithParam<SampleOptions> {
  protected:
    void SetUp() override { month_ = BuildSampleMonth(GetParam()); }
    SampleMonth month_;
};

TEST_P(SampleFilesTest, RosterColumnsHoldEachEmployee) {
    std::vector<std::string> lines = Lines(RosterText(month_));
    ASSERT_EQ(lines.size(), month_.employees.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const SampleEmployee& employee = month_.employees[i];
        ASSERT_EQ(line.size(), 102u) << i;
        EXPECT_EQ(Number(line, 0, 9), employee.number);
        std::string surname = employee.surname;
        surname.resize(20, ' ');
        EXPECT_EQ(Columns(line, 9, 20), surname);
        EXPECT_EQ(line[29], employee.initial);
        EXPECT_EQ(line[30], ' ');
        EXPECT_EQ(Columns(line, 31, 3), employee.base);
        EXPECT_EQ(Columns(line, 34, 3), employee.equipment);
        EXPECT_EQ(Columns(line, 37, 2), employee.status);
        EXPECT_EQ(Columns(line, 39, 38), Blank(38));
        EXPECT_EQ(Columns(line, 77, 12), employee.qualifications);
        EXPECT_EQ(Columns(line, 89, 13), Blank(13));
    }
}

TEST_P(SampleFilesTest, AbsencesColumnsHoldEachEntry) {
    std::vector<std::string> lines = Lines(AbsencesText(month_));
    ASSERT_FALSE(lines.empty());
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), 443u);
    }
    EXPECT_EQ(lines.back(), "000099999" + Blank(434));
    size_t at = 0;
    for (size_t i = 0; i < month_.employees.size(); ++i) {
        const std::vector<SampleAbsence>& absences = month_.absences[i];
        if (absences.empty()) {
            continue;
        }
        ASSERT_LT(at, lines.size() - 1);
        const std::string& line = lines[at++];
        EXPECT_EQ(Number(line, 0, 9), month_.employees[i].number);
        for (size_t k = 0; k < absences.size(); ++k) {
            size_t entry = 9 + 14 * k;
            EXPECT_EQ(Columns(line, entry, 2), absences[k].code->trackingCode);
            EXPECT_EQ(Number(line, entry + 2, 2), absences[k].firstDay + 1);
            EXPECT_EQ(Number(line, entry + 4, 2), absences[k].lastDay + 1);
            EXPECT_EQ(Number(line, entry + 6, 4), absences[k].startTime);
            EXPECT_EQ(Number(line, entry + 10, 4), absences[k].endTime);
        }
        EXPECT_EQ(Columns(line, 9 + 14 * absences.size(), 2), "  ") << "ends the entries";
    }
    EXPECT_EQ(at, lines.size() - 1);
}

TEST_P(SampleFilesTest, ToolboxLinesFollowTheLayout) {
    std::vector<std::string> lines = Lines(ToolboxText(month_));
    auto codes = ToolboxCodes();
    auto airports = Airports();
    size_t n = codes.size();
    ASSERT_EQ(lines.size(), 7 + 13 * n + 8 * airports.size());
    EXPECT_EQ(lines[0], "JXToolBox");
    EXPECT_EQ(lines[2], month_.toolboxTitle);
    EXPECT_EQ(lines[4], std::to_string(n));
    std::map<std::string, int> trackingCodes;
    for (size_t e = 0; e < n; ++e) {
        const ToolboxCode& code = codes[e];
        const std::string* entry = &lines[5 + 13 * e];
        EXPECT_EQ(entry[0], code.code);
        EXPECT_EQ(entry[1], code.pilot ? "Pilot" : "Cabin");
        EXPECT_EQ(entry[2].size(), 2u);
        EXPECT_EQ(entry[3], code.caption);
        EXPECT_EQ(ParseTime(entry[4], true), code.startTime) << entry[4];
        EXPECT_EQ(ParseTime(entry[5], true), code.endTime) << entry[5];
        EXPECT_EQ(ParseTime(entry[6], false), code.credit) << entry[6];
        EXPECT_EQ(ParseTime(entry[7], false), code.hardTime) << entry[7];
        EXPECT_EQ(entry[8], code.containsDuty ? "Y" : "N");
        EXPECT_EQ(entry[9], code.isCarsDuty ? "Y" : "N");
        EXPECT_EQ(entry[10], code.countsCredit ? "Y" : "N");
        EXPECT_EQ(entry[11], code.inToolbox ? "Y" : "N");
        ++trackingCodes[entry[1] + entry[2]];
    }
    for (const auto& [code, count] : trackingCodes) {
        EXPECT_EQ(count, 1) << code << " would hide a later entry";
    }
    EXPECT_EQ(lines[6 + 13 * n], std::to_string(airports.size()));
    for (size_t a = 0; a < airports.size(); ++a) {
        const std::string* airport = &lines[7 + 13 * n + 8 * a];
        EXPECT_EQ(airport[0], airports[a].code);
        EXPECT_EQ(airport[1].size(), 5u) << airport[1];
        EXPECT_EQ(airport[2].size(), 5u) << airport[2];
        EXPECT_EQ(ParseTime(airport[1], false), airports[a].utcOffset);
        EXPECT_EQ(ParseTime(airport[2], true), airports[a].stationTime);
        EXPECT_EQ(airport[3], airports[a].observesDst ? "Y" : "N");
    }
}

// Walks the pairing file record by record in the order the writer promises:
// per operation a header, then per duty its legs, its layover record and
// its duty record.
class PrgWalk {
  public:
    PrgWalk(const SampleMonth& month, std::vector<std::string> lines)
        : month_(month), lines_(std::move(lines)) {}

    void Pairing(const SamplePairing& pairing) {
        SCOPED_TRACE(pairing.baseLetter + std::to_string(pairing.number));
        for (int day : pairing.operations) {
            int report = month_.ReportMoment(pairing, day);
            Header(pairing, day);
            int hard = 0;
            for (const SampleDuty& duty : pairing.duties) {
                for (const SampleLeg& leg : duty.legs) {
                    Leg(pairing, leg, report);
                }
                if (!duty.hotel.empty()) {
                    Layover(pairing, duty, report);
                }
                Duty(pairing, duty, report);
                hard += duty.block;
            }
            EXPECT_EQ(hardInHeader_, hard);
        }
    }

    bool AtEnd() const { return at_ == lines_.size(); }

  private:
    const std::string& Next(char type, size_t width) {
        static const std::string kNone;
        EXPECT_LT(at_, lines_.size());
        if (at_ >= lines_.size()) {
            return kNone;
        }
        const std::string& line = lines_[at_++];
        EXPECT_EQ(line[0], type) << "record " << at_;
        EXPECT_EQ(line.size(), width) << "record " << at_;
        return line;
    }

    void ExpectDesignator(const std::string& line, const SamplePairing& pairing) {
        EXPECT_EQ(line[1], pairing.baseLetter);
        EXPECT_EQ(Number(line, 2, 4), pairing.number);
        EXPECT_EQ(Number(line, 2, 1), pairing.number / 1000) << "equipment digit";
    }

    int Local(int report, int offset) const { return month_.ToLocal(report + offset); }
    std::string DateAt(int local) const { return DateText(month_, local / kDay); }

    void Header(const SamplePairing& pairing, int day) {
        const std::string& line = Next('1', kPrgHeaderWidth);
        ExpectDesignator(line, pairing);
        EXPECT_EQ(Columns(line, 15, 8), DateText(month_, pairing.firstDay));
        EXPECT_EQ(Columns(line, 23, 8), DateText(month_, pairing.lastDay));
        for (size_t k = 0; k < 7; ++k) {
            EXPECT_EQ(line[31 + k], pairing.weekdays[k] ? 'Y' : 'N');
        }
        for (size_t k = 0; k < 4; ++k) {
            int exception = pairing.exceptions[k];
            int expected = exception < 0 ? 0 : Number(DateText(month_, exception), 4, 4);
            EXPECT_EQ(Number(line, 38 + 4 * k, 4), expected) << "exception " << k;
        }
        EXPECT_EQ(Columns(line, 70, 8), DateText(month_, day));
        EXPECT_EQ(Number(line, 78, 4), pairing.reportClock);
        EXPECT_NE(Number(line, 78, 4), 0) << "a 0 report moves the date";
        EXPECT_EQ(Number(line, 107, 5), pairing.tafb);
        EXPECT_EQ(line[112], pairing.continuousDuty ? 'Y' : 'N');
        std::string complement = pairing.Complement();
        complement.resize(32, ' ');
        EXPECT_EQ(Columns(line, 113, 32), complement);
        EXPECT_EQ(Number(line, 145, 4), pairing.minRest);
        hardInHeader_ = 0;
        for (size_t k = 0; k < 6; ++k) {
            hardInHeader_ += Number(line, 150 + 4 * k, 4);
        }
        EXPECT_EQ(Number(line, 299, 4), pairing.totalCredit);
    }

    void Leg(const SamplePairing& pairing, const SampleLeg& leg, int report) {
        int departure = Local(report, leg.departure);
        int arrival = Local(report, leg.arrival);
        if (leg.kind == LegKind::Flight || leg.kind == LegKind::Deadhead) {
            const std::string& line = Next('2', kPrgLegWidth);
            ExpectDesignator(line, pairing);
            EXPECT_EQ(Number(line, 15, 4), leg.flightNumber);
            EXPECT_EQ(Columns(line, 28, 3), leg.from);
            EXPECT_EQ(Columns(line, 31, 8), DateAt(departure));
            EXPECT_EQ(Number(line, 39, 4), departure % kDay);
            EXPECT_EQ(Columns(line, 43, 3), leg.to);
            EXPECT_EQ(Number(line, 54, 4), arrival % kDay);
            EXPECT_EQ(line[61], leg.kind == LegKind::Deadhead ? 'D' : ' ');
            EXPECT_EQ(Number(line, 64, 4), leg.arrival - leg.departure);
        } else if (leg.kind == LegKind::OtherCarrier) {
            const std::string& line = Next('4', kPrgDeadheadWidth);
            ExpectDesignator(line, pairing);
            EXPECT_EQ(Columns(line, 18, 7), leg.designator + " ");
            EXPECT_EQ(Columns(line, 26, 8), DateAt(departure));
            EXPECT_EQ(Columns(line, 34, 3), leg.from);
            EXPECT_EQ(Number(line, 45, 4), departure % kDay);
            EXPECT_EQ(Columns(line, 49, 3), leg.to);
            EXPECT_EQ(Number(line, 60, 4), arrival % kDay);
            EXPECT_EQ(Columns(line, 83, 3), leg.remark);
        } else {
            const std::string& line = Next('5', kPrgSurfaceWidth);
            ExpectDesignator(line, pairing);
            EXPECT_EQ(Columns(line, 18, 3), leg.designator);
            EXPECT_EQ(Columns(line, 29, 3), leg.from);
            EXPECT_EQ(Columns(line, 32, 8), DateAt(departure));
            EXPECT_EQ(Number(line, 40, 4), departure % kDay);
            EXPECT_EQ(Columns(line, 44, 3), leg.to);
            EXPECT_EQ(Number(line, 55, 4), arrival % kDay);
        }
    }

    void Layover(const SamplePairing& pairing, const SampleDuty& duty, int report) {
        const std::string& line = Next('3', kPrgDutyWidth);
        ExpectDesignator(line, pairing);
        EXPECT_EQ(Columns(line, 30, 2), "  ") << "the import passes over it";
        EXPECT_EQ(Number(line, 47, 4), 0);
        EXPECT_EQ(Number(line, 51, 5), duty.layover);
        EXPECT_EQ(Columns(line, 56, 3), duty.station);
        EXPECT_NE(Columns(line, 59, 15), Blank(15));
        EXPECT_EQ(Columns(line, 22, 8), DateAt(Local(report, duty.start)));
    }

    void Duty(const SamplePairing& pairing, const SampleDuty& duty, int report) {
        const std::string& line = Next('3', kPrgDutyWidth);
        ExpectDesignator(line, pairing);
        int start = Local(report, duty.start);
        int end = Local(report, duty.end);
        EXPECT_EQ(Columns(line, 22, 8), DateAt(start));
        EXPECT_EQ(Number(line, 30, 4), start % kDay);
        EXPECT_EQ(Number(line, 42, 4), end % kDay);
        EXPECT_EQ(Number(line, 47, 4), duty.dutyTime);
        EXPECT_EQ(Number(line, 51, 5), duty.layover);
        EXPECT_EQ(Columns(line, 56, 3), duty.station);
        EXPECT_EQ(Columns(line, 59, 15) == Blank(15), duty.hotel.empty())
            << "blank only on the last duty";
        EXPECT_EQ(Number(line, 126, 4), duty.credit);
        EXPECT_EQ(Number(line, 114, 4), duty.block);
    }

    const SampleMonth& month_;
    std::vector<std::string> lines_;
    size_t at_ = 0;
    int hardInHeader_ = 0;
};

TEST_P(SampleFilesTest, PairingRecordsFollowTheColumns) {
    std::string text = PrgText(month_);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text[0], '1') << "the import checks the first character";
    PrgWalk walk(month_, Lines(text));
    for (const SamplePairing& pairing : month_.pairings) {
        walk.Pairing(pairing);
    }
    EXPECT_TRUE(walk.AtEnd());
}

INSTANTIATE_TEST_SUITE_P(Months, SampleFilesTest,
                         ::testing::Values(Group("CA", 4, false), Group("FA", 7, false),
                                           Group("FO", 3, true), Group("FA", 11, true)));

TEST(SampleFilesDaylightTest, ReleaseAfterTheChangeShowsTheNewClock) {
    SampleMonth month = BuildSampleMonth(Group("CA", 3, true));
    std::vector<std::string> lines = Lines(PrgText(month));
    int checked = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i][0] != '1') {
            continue;
        }
        int day = 0;
        while (day < month.dayCount && DateText(month, day) != Columns(lines[i], 70, 8)) {
            ++day;
        }
        int report = Number(lines[i], 78, 4) + day * kDay;
        int tafb = Number(lines[i], 107, 5);
        if (report >= month.dstChangeAt || report + tafb < month.dstChangeAt) {
            continue;
        }
        std::string lastDuty;
        for (size_t next = i + 1; next < lines.size() && lines[next][0] != '1'; ++next) {
            if (lines[next][0] == '3' && Columns(lines[next], 30, 2) != "  ") {
                lastDuty = lines[next];
            }
        }
        // The release the import arrives at after its clock-change step.
        EXPECT_EQ(Number(lastDuty, 42, 4), (report + tafb + 60) % kDay) << lines[i].substr(0, 6);
        ++checked;
    }
    EXPECT_GE(checked, 2);
}

TEST(SampleFileNamesTest, NamesMatchTheImportChoosers) {
    SampleMonth pilots = BuildSampleMonth(Group("CA", 4, false));
    SampleMonth cabin = BuildSampleMonth(Group("FA", 4, false));
    EXPECT_EQ(RosterFileName(pilots), "2704perp.ext");
    EXPECT_EQ(AbsencesFileName(pilots), "2704absp.ext");
    EXPECT_EQ(RosterFileName(cabin), "2704perc.ext");
    EXPECT_EQ(AbsencesFileName(cabin), "2704absc.ext");
    EXPECT_TRUE(PrgFileName(pilots).ends_with(".PRG"));
    EXPECT_TRUE(ToolboxFileName(pilots).ends_with(".box"));
}

TEST(SampleFileNamesTest, WritesEveryFileWhole) {
    SampleMonth month = BuildSampleMonth(SampleOptions{});
    std::vector<SampleFile> files = SampleFiles(month);
    std::string directory = ::testing::TempDir() + "tallow_sample_files/month";
    std::filesystem::remove_all(directory);
    std::string error;
    std::vector<std::string> written = WriteSampleFiles(files, directory, error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(written.size(), files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(std::filesystem::path(written[i]).filename(), files[i].name);
        std::ifstream in(written[i], std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        EXPECT_EQ(content.str(), files[i].text) << files[i].name;
    }
}

TEST(SampleFileNamesTest, ReportsAFolderItCannotCreate) {
    std::string blocker = ::testing::TempDir() + "tallow_sample_blocker";
    std::ofstream(blocker) << "a file, not a folder";
    std::string error;
    std::vector<std::string> written =
        WriteSampleFiles(SampleFiles(BuildSampleMonth(SampleOptions{})), blocker + "/month", error);
    EXPECT_TRUE(written.empty());
    EXPECT_NE(error, "");
}

}  // namespace
}  // namespace tallow::sample
