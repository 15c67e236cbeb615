#pragma once
// A file system in memory that can be told to fail its writes, and a real
// temporary folder for the tests that need the machine's own files.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/platform/file_system.h"

namespace tallow::testing {

class FakeFiles final : public FileSystem {
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

class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tallow_files_XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    // Names of the entries in the folder.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

  private:
    std::string path_;
};

}  // namespace tallow::testing
