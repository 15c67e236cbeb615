#include "core/import/extract_line_reader.h"

namespace tallow {

LineStatus ExtractLineReader::Next(std::string_view& line) {
    if (failed_) {
        return LineStatus::TooLong;
    }
    if (position_ >= text_.size()) {
        return LineStatus::End;
    }
    ++lineNumber_;
    const size_t end = text_.find('\n', position_);
    const size_t stop = end == std::string_view::npos ? text_.size() : end;
    line = text_.substr(position_, stop - position_);
    position_ = end == std::string_view::npos ? text_.size() : end + 1;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.size() > maxLength_) {
        failed_ = true;
        return LineStatus::TooLong;
    }
    return LineStatus::Line;
}

size_t ExtractLineLength(std::string_view text, int index) {
    ExtractLineReader reader(text, text.size());
    std::string_view line;
    for (int i = 0; i <= index; ++i) {
        if (reader.Next(line) != LineStatus::Line) {
            return 0;
        }
    }
    return line.size();
}

}  // namespace tallow
