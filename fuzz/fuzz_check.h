#pragma once
// Stops the fuzzer on a broken invariant, so that the input is kept as a crash.

namespace tallow {

inline void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace tallow
