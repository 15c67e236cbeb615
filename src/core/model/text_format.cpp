#include "core/model/text_format.h"

#include <array>
#include <cstdarg>
#include <cstdio>

namespace tallow {

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list retry;
    va_copy(retry, args);
    // Most texts fit this buffer, which spares printf a measuring pass.
    std::array<char, 256> buffer;
    const int length = std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    std::string text;
    if (length > 0 && static_cast<size_t>(length) < buffer.size()) {
        text.assign(buffer.data(), static_cast<size_t>(length));
    } else if (length > 0) {
        text.resize(static_cast<size_t>(length));
        std::vsnprintf(text.data(), text.size() + 1, format, retry);
    }
    va_end(retry);
    return text;
}

}  // namespace tallow
