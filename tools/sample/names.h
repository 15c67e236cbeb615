#pragma once
// Made-up names: surnames and hotel names put together from syllables that
// no real name list was used for, so the samples carry no real person's name.

#include <string>

#include "sample/rng.h"

namespace tallow::sample {

inline constexpr size_t kSurnameWidth = 20;

// Two or three syllables in capitals, 4 to kSurnameWidth characters.
std::string MakeSurname(Rng& rng);

// The initial of a first name, A to Z.
char MakeInitial(Rng& rng);

// A layover hotel, such as "VORELAN SUITES".
std::string MakeHotelName(Rng& rng);

}  // namespace tallow::sample
