#pragma once
// File access behind a small interface so that tests can inject failures
// (a full disk, a folder that cannot be written).

#include <string>
#include <string_view>

namespace tallow {

enum class WriteStatus {
    Ok,
    CannotCreate,  // the temporary file next to the target could not be created
    WriteFailed,   // writing, flushing, syncing or renaming failed
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // False when the file cannot be opened or read.
    virtual bool ReadFile(const std::string& path, std::string& contents) = 0;

    // Writes `bytes` to a temporary file in the target's folder, flushes and
    // syncs it, then renames it over the target. Whatever fails, the previous
    // file at `path` is left as it was.
    virtual WriteStatus WriteFileAtomically(const std::string& path, std::string_view bytes) = 0;

    virtual bool Exists(const std::string& path) = 0;
    // Creates the folder and its parents; true when it exists afterwards.
    virtual bool MakeDirectories(const std::string& path) = 0;
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
};

// The machine's own file system.
class LocalFileSystem final : public FileSystem {
  public:
    bool ReadFile(const std::string& path, std::string& contents) override;
    WriteStatus WriteFileAtomically(const std::string& path, std::string_view bytes) override;
    bool Exists(const std::string& path) override;
    bool MakeDirectories(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
};

// The process-wide local file system.
FileSystem& LocalFiles();

}  // namespace tallow
