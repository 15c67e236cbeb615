#pragma once
// One fixed-column record: a blank line of a set width that fields are
// written into at their columns. Nothing is ever written past the width.

#include <cstdint>
#include <string>
#include <string_view>

namespace tallow::sample {

class FixedLine {
  public:
    explicit FixedLine(size_t width) : text_(width, ' ') {}

    // Text from `column` on, cut at the line's end.
    void Put(size_t column, std::string_view value) {
        for (size_t i = 0; i < value.size() && column + i < text_.size(); ++i) {
            text_[column + i] = value[i];
        }
    }

    void Put(size_t column, char value) { Put(column, std::string_view(&value, 1)); }

    // A zero-padded number in `width` columns; out-of-range values are held
    // at 0 or at the largest number that fits.
    void PutNumber(size_t column, size_t width, int64_t value) {
        std::string digits(width, '0');
        int64_t rest = value < 0 ? 0 : value;
        for (size_t i = width; i > 0; --i) {
            digits[i - 1] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
        if (rest > 0) {
            digits.assign(width, '9');
        }
        Put(column, digits);
    }

    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace tallow::sample
