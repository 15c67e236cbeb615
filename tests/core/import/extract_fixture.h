#pragma once
// Helpers for the extract importer tests: files held in memory, and
// fixed-column lines built field by field.

#include <map>
#include <string>
#include <string_view>

#include "core/platform/file_system.h"

namespace tallow::testing {

class MemoryFiles final : public FileSystem {
  public:
    bool ReadFile(const std::string& path, std::string& contents) override {
        auto found = files.find(path);
        if (found == files.end()) {
            return false;
        }
        contents = found->second;
        return true;
    }
    WriteStatus WriteFileAtomically(const std::string& path, std::string_view bytes) override {
        files[path] = std::string(bytes);
        return WriteStatus::Ok;
    }
    bool Exists(const std::string& path) override { return files.count(path) != 0; }
    bool MakeDirectories(const std::string&) override { return true; }
    bool Rename(const std::string& from, const std::string& to) override {
        auto found = files.find(from);
        if (found == files.end()) {
            return false;
        }
        files[to] = found->second;
        files.erase(found);
        return true;
    }

    std::map<std::string, std::string> files;
};

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
