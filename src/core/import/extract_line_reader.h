#pragma once
// Lines of a crew-tracking extract, read the way the system's readers read
// them: "\n" ends a line, a "\r" just before it is dropped (the extracts come
// from Windows), and a last line without "\n" still counts. A line longer
// than the reader's buffer is a read failure, not a line.

#include <cstddef>
#include <string_view>

namespace tallow {

enum class LineStatus { Line, End, TooLong };

class ExtractLineReader {
  public:
    ExtractLineReader(std::string_view text, size_t maxLength)
        : text_(text), maxLength_(maxLength) {}

    // The next line in `line`; after End or TooLong every call gives the same.
    LineStatus Next(std::string_view& line);
    // 1-based number of the line Next last looked at.
    int LineNumber() const { return lineNumber_; }

  private:
    std::string_view text_;
    size_t maxLength_;
    size_t position_ = 0;
    int lineNumber_ = 0;
    bool failed_ = false;
};

// The length of line `index` (0-based) as the reader sees it; 0 when the text
// has no such line.
size_t ExtractLineLength(std::string_view text, int index);

}  // namespace tallow
