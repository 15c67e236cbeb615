#include "core/platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tallow {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Makes a rename inside `folder` durable.
void SyncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool LocalFileSystem::ReadFile(const std::string& path, std::string& contents) {
    contents.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return false;
    }
    // The size is only a hint: a file that grows or shrinks while it is read
    // is read to its real end.
    std::string buffer(static_cast<size_t>(std::max<off_t>(info.st_size, 0)) + 1, '\0');
    size_t filled = 0;
    bool ok = true;
    while (true) {
        if (filled == buffer.size()) {
            buffer.resize(buffer.size() * 2);
        }
        ssize_t got = ::read(fd, buffer.data() + filled, buffer.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ok = false;
            break;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<size_t>(got);
    }
    ::close(fd);
    if (!ok) {
        return false;
    }
    buffer.resize(filled);
    contents = std::move(buffer);
    return true;
}

WriteStatus LocalFileSystem::WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::filesystem::path target(path);
    std::string temp_template = path + ".tmp.XXXXXX";
    int fd = ::mkstemp(temp_template.data());
    if (fd < 0) {
        return WriteStatus::CannotCreate;
    }
    // mkstemp creates the file readable by the owner only; give it the usual
    // permissions of a new document.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, static_cast<mode_t>(0666 & ~mask));

    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        ok = ::rename(temp_template.c_str(), path.c_str()) == 0;
    }
    if (!ok) {
        ::unlink(temp_template.c_str());
        return WriteStatus::WriteFailed;
    }
    SyncFolder(target.parent_path());
    return WriteStatus::Ok;
}

bool LocalFileSystem::Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool LocalFileSystem::MakeDirectories(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

bool LocalFileSystem::Rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

FileSystem& LocalFiles() {
    static LocalFileSystem files;
    return files;
}

}  // namespace tallow
