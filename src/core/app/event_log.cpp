#include "core/app/event_log.h"

namespace tallow {

EventLog::~EventLog() {
    Close();
}

bool EventLog::Open(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "wb");
    return file_ != nullptr;
}

void EventLog::Write(std::string_view text) {
    if (file_ == nullptr) {
        return;
    }
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fflush(file_);
}

void EventLog::Close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

}  // namespace tallow
