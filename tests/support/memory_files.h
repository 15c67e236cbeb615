#pragma once
// Files held in memory, for tests that read and write without touching the
// disk; writes can be told to fail the way a full disk or a read-only
// folder makes them fail.

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
        if (failWith != WriteStatus::Ok) {
            return failWith;
        }
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
    WriteStatus failWith = WriteStatus::Ok;
};

}  // namespace tallow::testing
