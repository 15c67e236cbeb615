#pragma once
// printf-style formatting into a std::string: the system's message and file
// formats are printf formats ("Pair %04d  %s"), so they are used as written.

#include <string>

namespace tallow {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace tallow
