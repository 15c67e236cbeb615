#pragma once
// The event log: one line per operation step, flushed at once so that a run
// that ends abnormally loses nothing already written.

#include <cstdio>
#include <string>
#include <string_view>

namespace tallow {

class EventLog {
  public:
    EventLog() = default;
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    // Creates (truncates) the file and keeps it open; false when it cannot.
    bool Open(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }
    // Appends the text as written (callers end their lines with "\n").
    void Write(std::string_view text);
    void Close();

  private:
    std::FILE* file_ = nullptr;
};

}  // namespace tallow
