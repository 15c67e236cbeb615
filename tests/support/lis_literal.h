#pragma once
// The LIS scan done the long way, as it reads: for every seat, search the
// whole LIS text backwards for its designator and forwards for the
// "MEALS CAD:" after it, then mark the seat from the block between. Kept as
// the reference the indexed scan must match, and as the benchmark's baseline.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/import/lis_scan.h"
#include "core/model/pair.h"

namespace tallow::testing {

inline LisScanOutcome ScanLisLiteral(std::vector<TPair>& seats, int32_t seatCount, bool cabin,
                                     std::string_view lis) {
    LisScanOutcome outcome;
    const size_t distance = cabin ? 63 : 71;
    const char* markers[4] = {"CRA [", "CRJ [", "DH1 [", "E75 ["};
    const char* tags[4] = {"  CRA", "  CRJ", "  DH1", "  E75"};
    for (int32_t s = 0; s < seatCount; ++s) {
        TPair& seat = seats[static_cast<size_t>(s)];
        std::string& text = seat.displayText;
        const std::string designator = LisDesignator(seat);

        const size_t start = lis.rfind(designator);
        if (start == std::string_view::npos) {
            outcome.errors += designator + " Not Found in LIS File.";
            continue;
        }
        const size_t meals = lis.find("MEALS CAD:", start);
        if (meals == std::string_view::npos) {
            outcome.errors += designator + "Incomplete in LIS File. Can't Locate MEALS CAD:";
            continue;
        }
        const std::string block(lis.substr(start, std::min(meals + 17, lis.size()) - start));

        if (cabin) {
            if (block.find("FRENCH") != std::string::npos) {
                if (text.find("FRENCH PAIRING") == std::string::npos) {
                    text += " FRENCH PAIRING";
                }
                outcome.summary += designator + " is French Pairing.";
                ++outcome.frenchCount;
            } else {
                const size_t at = text.rfind("FRENCH PAIRING");
                if (at != std::string::npos && at > 15) {
                    text.erase(at - 1, 15);
                }
            }
        }

        int64_t counts[4] = {0, 0, 0, 0};
        for (int k = 0; k < 4; ++k) {
            const std::string marker = markers[k];
            // Positions in the pairing text where the next backward search
            // may start; -1 once the text's start was passed.
            int64_t from = static_cast<int64_t>(text.size());
            int64_t at = static_cast<int64_t>(block.size()) - 1;
            while (at >= 0) {
                const size_t hit = block.rfind(marker, static_cast<size_t>(at));
                if (hit == std::string::npos) {
                    break;
                }
                ++counts[k];
                if (hit > distance) {
                    const std::string flight = block.substr(hit - distance, 4);
                    size_t found = std::string::npos;
                    for (int64_t p = std::min(from, static_cast<int64_t>(text.size()) - 4); p >= 0;
                         --p) {
                        if (text.compare(static_cast<size_t>(p), 4, flight) == 0) {
                            found = static_cast<size_t>(p);
                            break;
                        }
                    }
                    if (found == std::string::npos) {
                        outcome.errors += designator + " Flight Number not Located.";
                    } else {
                        text.insert(std::min(found + 35, text.size()), tags[k]);
                        from = static_cast<int64_t>(found) - 1;
                    }
                }
                at = static_cast<int64_t>(hit) - 5;
            }
        }

        const size_t last = text.rfind("***");
        if (last != std::string::npos && last >= 3) {
            const size_t first = text.rfind("***", last - 3);
            if (first != std::string::npos) {
                text.erase(first, last + 3 - first);
            }
        }
        const int64_t all = counts[0] + counts[1] + counts[2] + counts[3];
        const double share =
            all == 0 ? 0.0 : static_cast<double>(counts[0]) / static_cast<double>(all);
        if (share > 0.99) {
            text += " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** ";
            outcome.summary += designator + " is CRA 100%.";
        } else if (share > 0.74) {
            text += " *** CRA>74% CRA>49% CRA>24% CRA>0% *** ";
            outcome.summary += designator + " is CRA > 74%.";
        } else if (share > 0.49) {
            text += " *** CRA>49% CRA>24% CRA>0% *** ";
            outcome.summary += designator + " is CRA > 49%.";
        } else if (share > 0.24) {
            text += " *** CRA>24% CRA>0% *** ";
            outcome.summary += designator + " is CRA > 24%.";
        } else if (share > 0) {
            text += " *** CRA>0% *** ";
            outcome.summary += designator + " is CRA > 0%.";
        } else {
            text += " *** CRA=0% *** ";
            outcome.summary += designator + " is CRA 0%.";
        }

        const size_t oldMeals = text.rfind("MEALS US:");
        if (oldMeals != std::string::npos) {
            const int64_t from = static_cast<int64_t>(oldMeals) - 4;
            const int64_t to = std::min<int64_t>(from + 38, static_cast<int64_t>(text.size()));
            const int64_t begin = std::max<int64_t>(from, 0);
            text.erase(static_cast<size_t>(begin), static_cast<size_t>(to - begin));
        }
        const size_t newMeals = block.rfind("MEALS US:");
        if (newMeals != std::string::npos) {
            text += "\n   " + block.substr(newMeals, block.size() - 1 - newMeals);
        }
    }
    return outcome;
}

}  // namespace tallow::testing
