// Feeds arbitrary bytes to the LIS scan: the file reader takes its text from
// them, and the scan marks a set of seats from them in a pilot or a cabin
// schedule (the first byte chooses), twice over. The indexed scan must leave
// exactly what the literal search of the whole text leaves.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/import/lis_scan.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "fuzz_check.h"
#include "support/lis_literal.h"

namespace {

using namespace tallow;

struct SeatShape {
    const char* seriesCode;
    int32_t number;
};

// Seats of the sample listings (V6000 on), a second base, a seat without a
// series code and numbers that do not fit four digits.
constexpr SeatShape kSeats[] = {{"V8", 6000},  {"V8", 6001}, {"V8", 6001}, {"V8", 6002},
                                {"V8", 6003},  {"V8", 6004}, {"Y4", 6000}, {"", 6005},
                                {"V8", 12345}, {"V8", -12},  {"V8", 0}};

std::vector<TPair> Seats() {
    std::vector<TPair> seats;
    for (const SeatShape& shape : kSeats) {
        TPair seat;
        seat.seriesCode = shape.seriesCode;
        seat.number = shape.number;
        seat.displayText = "    " + LisDesignator(seat) + "   BSE REPT:07:00L\n";
        for (int k = 0; k < 4; ++k) {
            seat.displayText +=
                Format("  %d    %04d   YVR-YYC   08:00 09:30   1:30\n", k + 1, 100 + 7 * k);
        }
        seats.push_back(seat);
    }
    return seats;
}

void CheckFileText(std::string_view bytes) {
    const std::string_view text = LisFileText(bytes);
    if (text.empty()) {
        return;
    }
    Check(text.size() >= kLisMinimumText);
    Check(text.data() >= bytes.data() && text.data() + text.size() <= bytes.data() + bytes.size());
    Check(text.find('\0') == std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckFileText(bytes);
    if (size == 0) {
        return 0;
    }
    const bool cabin = (data[0] & 1) != 0;
    const std::string_view lis = bytes.substr(1);

    static const std::vector<TPair> seats = Seats();
    static const std::unique_ptr<TSchedule> schedule = std::make_unique<TSchedule>();
    schedule->crewGroup = cabin ? CrewGroup::FlightAttendants : CrewGroup::Captains;
    std::vector<TPair> literal = seats;
    for (size_t s = 0; s < seats.size(); ++s) {
        schedule->pairings[s].CopyFrom(seats[s]);
    }
    schedule->lastPairing = static_cast<int32_t>(seats.size()) - 1;
    for (int run = 0; run < 2; ++run) {
        const LisScanOutcome indexed = ScanLisText(*schedule, lis);
        const LisScanOutcome expected =
            testing::ScanLisLiteral(literal, static_cast<int32_t>(literal.size()), cabin, lis);
        Check(indexed.errors == expected.errors);
        Check(indexed.summary == expected.summary);
        Check(indexed.frenchCount == expected.frenchCount);
        Check(cabin || indexed.frenchCount == 0);
        for (size_t s = 0; s < seats.size(); ++s) {
            Check(schedule->pairings[s].displayText == literal[s].displayText);
        }
    }
    return 0;
}
