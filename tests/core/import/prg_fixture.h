#pragma once
// PRG records built field by field for the pairing import tests, and a
// schedule set up for a month.

#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "support/memory_files.h"
#include "support/scripted_desktop.h"

namespace tallow::testing {

// Writes `text` from `column`, growing the line with blanks as needed.
inline void PutAt(std::string& line, size_t column, std::string_view text) {
    if (line.size() < column + text.size()) {
        line.resize(column + text.size(), ' ');
    }
    line.replace(column, text.size(), text);
}

inline std::string Digits(int value, int width) {
    return Format("%0*d", width, value);
}

inline std::string Record(char type, std::string_view designator, size_t length) {
    std::string line(length, ' ');
    line[0] = type;
    PutAt(line, 1, designator);
    return line;
}

struct PrgHeader {
    std::string designator = "V8101";
    std::string firstDate = "20240101";
    std::string lastDate = "20240130";
    std::string weekdays = "YYYYYNN";
    std::string exceptions;  // up to four "MMDD"
    std::string date = "20240105";
    int report = 420;
    int tafb = 1730;
    bool continuous = false;
    std::string complement = "CA01 FO01";
    int minRest = 600;
    std::array<int, 6> hard{80, 80, 0, 0, 0, 0};
    int credit = 600;

    std::string Line() const {
        std::string line = Record('1', designator, 303);
        PutAt(line, 15, firstDate);
        PutAt(line, 23, lastDate);
        PutAt(line, 31, weekdays);
        PutAt(line, 38, exceptions);
        PutAt(line, 70, date);
        PutAt(line, 78, Digits(report, 4));
        PutAt(line, 107, Digits(tafb, 5));
        PutAt(line, 112, continuous ? "Y" : "N");
        PutAt(line, 113, complement);
        PutAt(line, 145, Digits(minRest, 4));
        for (size_t k = 0; k < hard.size(); ++k) {
            PutAt(line, 150 + 4 * k, Digits(hard[k], 4));
        }
        PutAt(line, 299, Digits(credit, 4));
        return line;
    }
};

struct PrgLeg {
    std::string designator = "V8101";
    std::string date = "20240105";
    std::string flight = "0123";
    std::string from = "YVR";
    int departs = 480;
    std::string to = "YYC";
    int arrives = 560;
    bool deadhead = false;
    int block = 80;

    std::string Line() const {
        std::string line = Record('2', designator, 80);
        PutAt(line, 7, date);
        PutAt(line, 15, flight);
        PutAt(line, 28, from);
        PutAt(line, 31, date);
        PutAt(line, 39, Digits(departs, 4));
        PutAt(line, 43, to);
        PutAt(line, 54, Digits(arrives, 4));
        PutAt(line, 61, deadhead ? "D" : " ");
        PutAt(line, 64, Digits(block, 4));
        return line;
    }
};

struct PrgDeadhead {
    std::string designator = "V8101";
    std::string date = "20240105";
    std::string flight = "AC0456 ";
    std::string from = "YYC";
    int departs = 600;
    std::string to = "YEG";
    int arrives = 660;
    std::string code = "OAL";

    std::string Line() const {
        std::string line = Record('4', designator, 90);
        PutAt(line, 7, date);
        PutAt(line, 18, flight);
        PutAt(line, 26, date);
        PutAt(line, 34, from);
        PutAt(line, 45, Digits(departs, 4));
        PutAt(line, 49, to);
        PutAt(line, 60, Digits(arrives, 4));
        PutAt(line, 83, code);
        return line;
    }
};

struct PrgSurface {
    std::string designator = "V8101";
    std::string date = "20240105";
    std::string code = "LIM";
    std::string from = "YEG";
    int departs = 700;
    std::string to = "YXD";
    int arrives = 730;

    std::string Line() const {
        std::string line = Record('5', designator, 60);
        PutAt(line, 7, date);
        PutAt(line, 18, code);
        PutAt(line, 29, from);
        PutAt(line, 32, date);
        PutAt(line, 40, Digits(departs, 4));
        PutAt(line, 44, to);
        PutAt(line, 55, Digits(arrives, 4));
        return line;
    }
};

struct PrgDuty {
    std::string designator = "V8101";
    std::string date = "20240105";
    int start = 420;
    int end = 780;
    int duty = 360;
    int layover = 900;
    std::string station = "YYC";
    std::string freeText = "HOTEL ARLINGTON";  // blank on the last duty
    std::array<int, 3> totals{80, 0, 0};       // columns 114, 130, 122
    int credit = 300;

    std::string Line() const {
        std::string line = Record('3', designator, 134);
        PutAt(line, 22, date);
        PutAt(line, 30, Digits(start, 4));
        PutAt(line, 42, Digits(end, 4));
        PutAt(line, 47, Digits(duty, 4));
        PutAt(line, 51, Digits(layover, 5));
        PutAt(line, 56, station);
        PutAt(line, 59, freeText);
        PutAt(line, 114, Digits(totals[0], 4));
        PutAt(line, 130, Digits(totals[1], 4));
        PutAt(line, 122, Digits(totals[2], 4));
        PutAt(line, 126, Digits(credit, 4));
        return line;
    }
};

inline std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

// V8101: two days, YVR-YYC on day 1 with a layover at YYC, YYC-YVR on day 2.
inline std::vector<std::string> TwoDayPairing(const std::string& date = "20240105",
                                              const std::string& designator = "V8101") {
    PrgHeader header;
    header.designator = designator;
    header.date = date;
    PrgLeg out;
    out.designator = designator;
    out.date = date;
    PrgDuty first;
    first.designator = designator;
    first.date = date;
    std::string next = date;
    next[7] = static_cast<char>(next[7] + 1);
    PrgLeg back;
    back.designator = designator;
    back.date = next;
    back.flight = "0124";
    back.from = "YYC";
    back.to = "YVR";
    back.departs = 600;
    back.arrives = 680;
    PrgDuty last;
    last.designator = designator;
    last.date = next;
    last.start = 540;
    last.end = 710;
    last.duty = 170;
    last.layover = 0;
    last.station = "YVR";
    last.freeText = "";
    last.totals = {80, 0, 0};
    return {header.Line(), out.Line(), first.Line(), back.Line(), last.Line()};
}

// The default period of the month: 1 to 30 January for January 2024.
inline std::unique_ptr<TSchedule> MonthSchedule(CrewGroup group = CrewGroup::Captains,
                                                std::string title = "YVRDH8CAV", int month = 1,
                                                int year = 2024) {
    auto schedule = std::make_unique<TSchedule>();
    ScriptedDesktop desktop;
    const Period period = ScheduleCalendar::DefaultPeriod(month, year);
    schedule->SetPeriod(period.start, period.end, desktop);
    schedule->crewGroup = group;
    schedule->scheduleTitle = std::move(title);
    schedule->fileName = "JAN24.jx2";
    return schedule;
}

}  // namespace tallow::testing
