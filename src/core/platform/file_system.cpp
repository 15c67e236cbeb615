#include "core/platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    // libstdc++ throws from the stream buffer when read() fails (a folder, an
    // I/O error) instead of setting badbit.
    try {
        contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        contents.clear();
        return false;
    }
    return !in.bad();
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
