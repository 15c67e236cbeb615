#pragma once
// Small schedule files built item by item from the file layout, for any tag
// (kind and version) and stream version, with counts that may exceed the
// schedule's tables.

#include <string>
#include <string_view>

#include "sample_records.h"
#include "stream_bytes.h"

namespace tallow::testing {

using namespace std::string_view_literals;

struct FileShape {
    std::string tag = "Tallowbright29";
    uint32_t streamVersion = 257;
    int32_t dayCount = 2;
    int32_t employeeCount = 1;
    int32_t lastPairing = 1;
    int32_t codeCount = 2;
    std::string endMarker;  // empty: the one the version calls for
};

inline TPilot FilePilot() {
    TPilot e = DistinctPilot(1);
    e.name = "SMITH J";
    e.employeeNumber = 123456;
    return e;
}

// Short texts of 6 bytes each, the last one not 0 so that the reader's
// clearing of it shows.
inline constexpr std::string_view kFileMonthName = "MARCH\x07"sv;
inline constexpr std::string_view kFileYearText = "2025\0\x08"sv;
inline constexpr std::string_view kFileShort0 = "AB\0\0\0\x09"sv;
inline constexpr std::string_view kFileShort1 = "CDE\0\0\x0A"sv;
inline constexpr std::string_view kFileHistory =
    "0002"
    "01000100000001"
    "00000000000000";

inline std::string ScheduleFile(const FileShape& shape = {}) {
    std::string_view version =
        shape.tag.size() > 12 ? std::string_view(shape.tag).substr(12) : std::string_view();
    auto after = [&](std::string_view threshold) { return version > threshold; };
    StreamBytes b(shape.streamVersion);
    b.Text(shape.tag).Text("YVRDH8CAV");
    b.Words({1, 3, shape.dayCount, 4700, 4900, 4400, 11, 13});
    for (int32_t k = 0; k < shape.dayCount; ++k) {
        b.Words({5 + k, 3, 2025}).Raw(k % 2 == 0 ? "WED" : "THU").Flag(k % 2 == 0 ? 0 : 3);
    }
    b.Words({shape.employeeCount, shape.lastPairing});
    for (int32_t i = 0; i <= shape.lastPairing; ++i) {
        PairObject(b, DistinctPair(i));
    }
    for (int32_t i = 0; i < shape.employeeCount; ++i) {
        PilotObject(b, FilePilot());
    }
    for (size_t j = 0; j < 6; ++j) {
        for (std::string_view text : {kFileMonthName, kFileYearText, kFileShort0, kFileShort1}) {
            b.Byte(static_cast<uint8_t>(text[j]));
        }
    }
    for (int32_t k = 0; k < 31; ++k) {
        b.Words({k + 1, 2, 2025});
    }
    b.Word(3);          // scheduleMonth
    b.Word(1);          // boardBuilt
    b.Flag(0);          // showAssignedPairings
    b.Word(77);         // reservedWord
    b.Flag(1).Flag(0);  // pairings window, toolbox window
    b.Byte(1);          // crewGroup
    b.Text(kFileHistory);
    if (after("2")) {
        b.Word(0);  // lastImportedPairing
    }
    if (after("21")) {
        for (int i = 0; i < 10; ++i) {
            b.Flag(i % 3 == 0 ? 5 : 0);
        }
        b.Text("R1").Text("R2").Text("R3");
        b.Flag(1);  // searchActive
    }
    if (after("22")) {
        for (int i = 0; i < 20; ++i) {
            b.Text("F" + std::to_string(i));
        }
    }
    if (after("23")) {
        b.Flag(1);  // bids window
    }
    if (after("25")) {
        b.Word(shape.codeCount);
        for (int32_t i = 0; i < shape.codeCount; ++i) {
            CodeData(b, DistinctCode(i));
        }
    }
    if (after("26")) {
        b.Text("JXToolBox YVR");
    }
    if (after("27")) {
        b.Words({3000, 2500, 15, 0, 91, 92, 93, 94});
        b.Text("SEGMENTS");
    }
    if (after("28")) {
        b.Text("NOTES").Text("YVR 0300");
        for (int i = 0; i < 19; ++i) {
            b.Text("T" + std::to_string(i));
        }
    }
    if (!shape.endMarker.empty()) {
        b.Text(shape.endMarker);
    } else if (version == "25") {
        b.Text(shape.tag);
    } else if (after("25")) {
        b.Text("EndOfFile");
    }
    return b.bytes;
}

}  // namespace tallow::testing
