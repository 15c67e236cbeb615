#include <algorithm>

#include "core/model/schedule.h"

namespace tallow {

namespace {

constexpr int kOrderGroups = 8;
constexpr int kContinuousGroup = 6;
constexpr int kLongGroup = 7;

uint8_t CreditClassOf(const TPair& seat) {
    int32_t perDay = 0;
    if (seat.continuousDuty != 0) {
        perDay = seat.totalCredit;
    } else if (seat.countedDays > 0) {
        perDay = seat.totalCredit / seat.countedDays;
    }
    if (perDay < 300) {
        return 0;
    }
    if (perDay < 360) {
        return 1;
    }
    return perDay >= 420 ? 3 : 2;
}

// The group a seat is listed in, or -1 for none. Groups 0..5 hold
// non-continuous seats of 1..6 counted days, group 6 continuous duties and
// 7-day seats, group 7 longer seats; a seat that fits groups 6 and 7 is listed
// in 6 only.
int OrderGroupOf(const TPair& seat) {
    if (seat.continuousDuty != 0 || seat.countedDays == 7) {
        return kContinuousGroup;
    }
    if (seat.countedDays > 7) {
        return kLongGroup;
    }
    return seat.countedDays >= 1 ? seat.countedDays - 1 : -1;
}

}  // namespace

void TSchedule::BuildPairingOrder() {
    const int32_t seats = std::clamp<int32_t>(lastPairing + 1, 0, kMaxPairings);
    for (int32_t s = 0; s < seats; ++s) {
        TPair& seat = pairings[static_cast<size_t>(s)];
        seat.creditClass = CreditClassOf(seat);
    }

    // Entries after the listed seats are -1.
    pairingOrder.fill(-1);
    size_t count = 0;
    for (int group = 0; group < kOrderGroups; ++group) {
        const size_t groupStart = count;
        for (int32_t s = 0; s < seats && count < pairingOrder.size(); ++s) {
            if (OrderGroupOf(pairings[static_cast<size_t>(s)]) == group) {
                pairingOrder[count++] = s;
            }
        }
        // Stable, so seats with equal report times keep their index order.
        std::stable_sort(pairingOrder.begin() + static_cast<std::ptrdiff_t>(groupStart),
                         pairingOrder.begin() + static_cast<std::ptrdiff_t>(count),
                         [this](int32_t a, int32_t b) {
                             return pairings[static_cast<size_t>(a)].reportTime <
                                    pairings[static_cast<size_t>(b)].reportTime;
                         });
    }
}

}  // namespace tallow
