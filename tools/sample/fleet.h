#pragma once
// The sample airline's bases and aircraft types: the base letters and
// equipment digits that name its pairings, and what each type can fly.

#include <span>
#include <string_view>

namespace tallow::sample {

struct Base {
    const char* station;
    char letter;
};

struct Equipment {
    const char* code;
    char digit;
    char secondDigit;  // another digit its pairings may carry, or 0
    int rangeKm;       // longest leg
    int speedKmh;      // average over the leg, climb and descent included
    int maxLegs;       // per duty
    int pursers;       // usual cabin complement
    int attendants;
};

std::span<const Base> Bases();
std::span<const Equipment> Fleet();

// Null when unknown.
const Base* FindBase(std::string_view station);
const Equipment* FindEquipment(std::string_view code);

// Block time of a leg in minutes, taxi included, a multiple of 5.
int BlockMinutes(const Equipment& equipment, int distanceKm);

}  // namespace tallow::sample
