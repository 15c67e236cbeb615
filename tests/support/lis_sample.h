#pragma once
// Deterministic LIS listings with the seats they describe, for the LIS scan's
// tests, benchmark and fuzz target. Each seat's displayText has the pairing
// import's leg lines; each listing has the designator line, one line per leg
// with the flight number a fixed distance before the aircraft marker, an
// optional "FRENCH" line and the meal lines. The irregular kind also leaves
// pairings out, repeats designators in other listings, puts markers near a
// block's start, breaks flight numbers and ends the text without "MEALS CAD:".

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/pair.h"
#include "core/model/text_format.h"

namespace tallow::testing {

struct LisSampleOptions {
    uint32_t seed = 1;
    int32_t seats = 40;
    bool cabin = false;
    int files = 1;
    // Each file is filled up with listings of pairings no seat holds.
    size_t fileBytes = 0;
    bool irregular = true;
};

struct LisSample {
    std::vector<TPair> seats;
    std::vector<std::string> files;

    std::string Text() const {
        std::string text;
        for (const std::string& file : files) {
            text += file;
        }
        return text;
    }
};

class LisRandom {
  public:
    explicit LisRandom(uint32_t seed) : state_(seed * 2654435761u + 1) {}
    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    int Below(int limit) { return static_cast<int>(Next() % static_cast<uint32_t>(limit)); }
    bool Chance(int percent) { return Below(100) < percent; }

  private:
    uint32_t state_;
};

struct LisLeg {
    std::string flight;     // as the pairing text shows it
    std::string lisFlight;  // as the listing shows it
    std::string marker;
};

struct LisPairing {
    char letter = 'V';
    int32_t number = 0;
    std::vector<LisLeg> legs;
    bool french = false;
    bool mealsUs = false;
    bool markerNearStart = false;
};

inline std::string LisDesignatorOf(const LisPairing& pairing) {
    return Format("%c%04d", pairing.letter, pairing.number);
}

inline LisPairing RandomLisPairing(LisRandom& random, char letter, int32_t number, bool irregular) {
    static const char* const kMarkers[] = {"CRA [", "CRA [", "CRJ [", "DH1 [", "E75 ["};
    LisPairing pairing;
    pairing.letter = letter;
    pairing.number = number;
    const int legs = 1 + random.Below(6);
    for (int k = 0; k < legs; ++k) {
        LisLeg leg;
        // A small pool in the irregular kind, so that flight numbers repeat.
        const int flight = irregular ? 100 + random.Below(6) * 7 : random.Below(10000);
        leg.flight = Format("%04d", flight);
        leg.lisFlight = irregular && random.Chance(6) ? Format("%04d", flight + 1) : leg.flight;
        leg.marker = random.Chance(8) ? "    " : kMarkers[random.Below(5)];
        pairing.legs.push_back(leg);
    }
    pairing.french = random.Chance(30);
    pairing.mealsUs = random.Chance(40);
    pairing.markerNearStart = irregular && random.Chance(10);
    return pairing;
}

inline std::string LisDisplayText(const LisPairing& pairing, LisRandom& random, bool irregular) {
    std::string text;
    if (irregular && random.Chance(8)) {
        text += "FRENCH PAIRING ";
    }
    text += "    " + LisDesignatorOf(pairing) + "   BSE REPT:07:00L   OPERATES - JAN.1-JAN.31 ";
    if (irregular && random.Chance(8)) {
        text += "*** ";
    }
    text += "\n    1CA  \n  \n";
    int day = 1;
    for (const LisLeg& leg : pairing.legs) {
        text += Format("  %d    %s   YVR-YYC   08:00 09:%02d  %2d:%02d\n", day, leg.flight.c_str(),
                       random.Below(60), random.Below(4), random.Below(60));
        day += random.Chance(40) ? 1 : 0;
    }
    text += "   TOTALS  TAFB 10:00   BLOCK  5:00   CREDIT  6:00  ";
    return text;
}

inline std::string LisListing(const LisPairing& pairing, bool cabin,
                              const std::string& strayDesignator) {
    const size_t distance = cabin ? 63 : 71;
    const size_t flightColumn = 9;
    std::string text = "\n PAIRING " + LisDesignatorOf(pairing);
    text += pairing.markerNearStart ? "  CRA [EQP]" : "  EFFECTIVE JAN01";
    if (!strayDesignator.empty()) {
        text += " SEE ALSO " + strayDesignator;
    }
    text += "\n";
    int day = 1;
    for (const LisLeg& leg : pairing.legs) {
        std::string line(flightColumn + distance + 12, ' ');
        line[2] = static_cast<char>('0' + day % 10);
        line.replace(flightColumn, leg.lisFlight.size(), leg.lisFlight);
        line.replace(flightColumn + 8, 7, "YVR YYC");
        line.replace(flightColumn + 20, 9, "0800 0930");
        line.replace(flightColumn + distance, leg.marker.size(), leg.marker);
        line.replace(flightColumn + distance + 5, 3, "73]");
        text += line + "\n";
        ++day;
    }
    if (pairing.french) {
        text += "   LANGUAGE: FRENCH\n";
    }
    text +=
        pairing.mealsUs ? "   MEALS US:  12.50  MEALS CAD:  45.00  \n" : "   MEALS CAD:  45.00  \n";
    return text;
}

inline LisSample MakeLisSample(const LisSampleOptions& options) {
    LisRandom random(options.seed);
    LisSample sample;
    std::vector<LisPairing> pairings;
    int32_t number = 6000;
    for (int32_t s = 0; s < options.seats;) {
        char letter = 'V';
        int32_t shown = number++;
        if (options.irregular && random.Chance(3)) {
            letter = random.Chance(50) ? 'Y' : ' ';
            shown = random.Chance(50) ? -shown % 1000 : shown + 10000;
        }
        pairings.push_back(RandomLisPairing(random, letter, shown, options.irregular));
        const int copies = std::min(options.seats - s, 1 + random.Below(2));
        for (int k = 0; k < copies; ++k, ++s) {
            TPair seat;
            seat.number = shown;
            seat.seriesCode = letter == ' ' ? "" : std::string(1, letter) + "8";
            seat.displayText = LisDisplayText(pairings.back(), random, options.irregular);
            sample.seats.push_back(seat);
        }
    }

    const int files = std::max(options.files, 1);
    sample.files.assign(static_cast<size_t>(files), std::string());
    for (size_t k = 0; k < pairings.size(); ++k) {
        if (options.irregular && random.Chance(8)) {
            continue;
        }
        std::string stray;
        if (options.irregular && random.Chance(10)) {
            stray = LisDesignatorOf(
                pairings[static_cast<size_t>(random.Below(static_cast<int>(pairings.size())))]);
        }
        std::string& file = sample.files[k % static_cast<size_t>(files)];
        file += LisListing(pairings[k], options.cabin, stray);
    }
    // Pairings of the same base that no seat holds, up to the size asked for.
    for (std::string& file : sample.files) {
        int32_t other = random.Below(5000);
        while (file.size() < options.fileBytes) {
            file += LisListing(RandomLisPairing(random, 'V', 1000 + other++ % 5000, false),
                               options.cabin, "");
        }
    }
    if (options.irregular && random.Chance(40)) {
        sample.files.back() += "\n PAIRING " + LisDesignatorOf(pairings.front()) + " CUT SHORT\n";
    }
    return sample;
}

}  // namespace tallow::testing
