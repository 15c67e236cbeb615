#include "sample/fleet.h"

namespace tallow::sample {

namespace {

constexpr Base kBases[] = {
    {"YVR", 'V'}, {"YYC", 'C'}, {"YYZ", 'Z'}, {"YUL", 'M'}, {"YHZ", 'H'},
};

constexpr Equipment kFleet[] = {
    {"DH8", '8', 0, 700, 430, 5, 0, 1},
    {"DH4", '4', 0, 1100, 560, 4, 1, 1},
    {"CRJ", '7', '2', 1600, 700, 4, 1, 1},
    {"E75", '5', 0, 2200, 740, 4, 1, 1},
};

constexpr int kTaxiMinutes = 20;

}  // namespace

std::span<const Base> Bases() {
    return kBases;
}

std::span<const Equipment> Fleet() {
    return kFleet;
}

const Base* FindBase(std::string_view station) {
    for (const Base& base : kBases) {
        if (station == base.station) {
            return &base;
        }
    }
    return nullptr;
}

const Equipment* FindEquipment(std::string_view code) {
    for (const Equipment& equipment : kFleet) {
        if (code == equipment.code) {
            return &equipment;
        }
    }
    return nullptr;
}

int BlockMinutes(const Equipment& equipment, int distanceKm) {
    int minutes = kTaxiMinutes + distanceKm * 60 / equipment.speedKmh;
    return (minutes + 4) / 5 * 5;
}

}  // namespace tallow::sample
