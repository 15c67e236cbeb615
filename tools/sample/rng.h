#pragma once
// The generator's random numbers: splitmix64, whose output is fixed by its
// few lines of arithmetic, so a seed gives the same month on every platform
// and standard library. Standard distributions are avoided for that reason.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace tallow::sample {

class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}

    // An independent stream for one part of the month, so that changing the
    // size of one part leaves the others as they were.
    static Rng Stream(uint64_t seed, uint64_t part) { return Rng(Rng(seed ^ (part << 32)).Next()); }

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // 0..count-1; 0 when count is not positive.
    int Below(int count) {
        if (count <= 0) {
            return 0;
        }
        return static_cast<int>(Next() % static_cast<uint64_t>(count));
    }

    // low..high inclusive.
    int Between(int low, int high) { return low + Below(high - low + 1); }

    // A multiple of `step` in low..high (both multiples of step).
    int Step(int low, int high, int step) { return low + step * Below((high - low) / step + 1); }

    bool Percent(int percent) { return Below(100) < percent; }

    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
    }

    template <typename T>
    void Shuffle(std::vector<T>& items) {
        for (size_t i = items.size(); i > 1; --i) {
            size_t j = static_cast<size_t>(Below(static_cast<int>(i)));
            std::swap(items[i - 1], items[j]);
        }
    }

  private:
    uint64_t state_;
};

}  // namespace tallow::sample
