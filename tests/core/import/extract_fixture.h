#pragma once
// Helpers for the extract importer tests: fixed-column lines built field
// by field (and the in-memory files they are read from).

#include <map>
#include <string>
#include <string_view>

#include "support/memory_files.h"

namespace tallow::testing {

// A line of blanks of the given length with `text` written from `column`.
class FixedLine {
  public:
    explicit FixedLine(size_t length) : line_(length, ' ') {}
    FixedLine& Put(size_t column, std::string_view text) {
        if (line_.size() < column + text.size()) {
            line_.resize(column + text.size(), ' ');
        }
        line_.replace(column, text.size(), text);
        return *this;
    }
    const std::string& Text() const { return line_; }

  private:
    std::string line_;
};

}  // namespace tallow::testing
