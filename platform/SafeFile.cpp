#include "SafeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>

namespace Platform {

namespace {

// From the file's start, whatever its offset; each pass writes something or gives up.
bool WriteAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n =
            ::pwrite(fd, content.data() + done, content.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a save really replaces: links are followed, also one whose file does not exist
// yet, so the link stays and its file is written. Empty for a chain that loops or cannot
// be read.
std::string RealFile(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string to(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), to.data(), to.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= to.size()) return {};
        to.resize(static_cast<std::size_t>(n));
        path = to.front() == '/' ? to : FolderOf(path) + "/" + to;
    }
    return {};
}

// Temporary names: the prefix and six of these letters.
constexpr char TempPrefix[] = ".zlv-";
constexpr char TempLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t TempRandomLength = 6;
// A save writes for seconds; a temporary file untouched this long was left by one that died.
constexpr std::time_t LeftoverAge = 10 * 60;

bool IsTemporaryName(const char* name) {
    const std::size_t prefix = sizeof TempPrefix - 1;
    return std::strlen(name) == prefix + TempRandomLength && std::strncmp(name, TempPrefix, prefix) == 0 &&
           std::all_of(name + prefix, name + prefix + TempRandomLength,
                       [](char c) { return c != '\0' && std::strchr(TempLetters, c) != nullptr; });
}

// Removes what saves killed half-way left in the folder: regular files of ours under a
// temporary name, untouched for a while. Names are looked at, never followed.
void RemoveLeftovers(const std::string& folder) {
    DIR* list = ::opendir(folder.c_str());
    if (!list) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(list)) {
        struct stat info {};
        if (IsTemporaryName(entry->d_name) &&
            ::fstatat(::dirfd(list), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && now - info.st_mtime > LeftoverAge)
            ::unlinkat(::dirfd(list), entry->d_name, 0);
    }
    ::closedir(list);
}

// A short name of our own, so a target whose name is near the folder's limit still saves.
// Made with the usual creation mode rather than mkstemp's 0600, so a new file gets the mode
// (umask, default ACL) any other new file in that folder gets.
int CreateTemporary(const std::string& folder, std::string& temp) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = folder + "/" + TempPrefix;
        for (std::size_t i = 0; i < TempRandomLength; ++i)
            temp += TempLetters[random() % (sizeof TempLetters - 1)];
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Only where a new file cannot take the old one's place. Nothing is cut before the new text is in:
// the room is reserved first, and a failure to reserve leaves the old bytes as they were.
bool RewriteInPlace(const std::string& path, const std::string& content) {
    // Read access too where we have it: the C library's reservation for a file system without
    // its own reads the file's existing blocks.
    int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    const auto size = static_cast<off_t>(content.size());
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // Without a reservation (not even the C library's emulation) a full disk would stop the
    // write half-way, so that is refused as well; a partial reservation is given back.
    if (ok && size > info.st_size && ::posix_fallocate(fd, 0, size) != 0) {
        ok = false;
        while (::ftruncate(fd, info.st_size) != 0 && errno == EINTR) {
        }
    }
    ok = ok && WriteAll(fd, content) && ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

// Makes the rename last through a crash. A folder we may not read, or a file system that
// cannot sync folders, gives no way to do so; the rename stands all the same.
bool SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return ok;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    // Non-blocking, so a FIFO in the file's place cannot stall the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> result;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::size_t>(info.st_size) <= maxBytes) {
        // One byte more than fstat gave: a file that grew meanwhile is caught mid-write and refused.
        const auto size = static_cast<std::size_t>(info.st_size);
        std::string text(size + 1, '\0');
        std::size_t got = 0;
        ssize_t n = 0;
        while (got < text.size() && (n = ::read(fd, text.data() + got, text.size() - got)) != 0) {
            if (n < 0 && errno != EINTR) break;
            if (n > 0) got += static_cast<std::size_t>(n);
        }
        if (n >= 0 && got <= size) {
            text.resize(got);
            result = std::move(text);
        }
    }
    ::close(fd);
    return result;
}

bool ReplaceFile(const std::string& path, const std::string& content) {
    const std::string real = RealFile(path);
    if (real.empty()) return false;
    struct stat target {};
    const bool exists = ::stat(real.c_str(), &target) == 0;
    // A file the user made read-only is not ours to replace, nor is a device or a FIFO.
    if (exists && (::access(real.c_str(), W_OK) != 0 || !S_ISREG(target.st_mode))) return false;
    const std::string folder = FolderOf(real);
    RemoveLeftovers(folder);
    // Other names of the file would keep the old chart if a new file took this one's place.
    if (exists && target.st_nlink > 1) return RewriteInPlace(real, content);
    std::string temp;
    const int fd = CreateTemporary(folder, temp);
    if (fd < 0) {
        // A folder that refuses new files but holds a writable file: keep the user's data
        // rather than lose it. A full disk or any other failure leaves the old file alone.
        if (exists && (errno == EACCES || errno == EPERM || errno == EROFS))
            return RewriteInPlace(real, content);
        return false;
    }
    // The new file keeps the old one's owner and group (root saving a colleague's chart must
    // not take it from them); where they cannot be given (not allowed, or an owner a user
    // namespace or network file system cannot name), the old file is rewritten.
    struct stat made {};
    if (exists && (::fstat(fd, &made) != 0 || made.st_uid != target.st_uid || made.st_gid != target.st_gid) &&
        ::fchown(fd, target.st_uid, target.st_gid) != 0) {
        ::close(fd);
        std::remove(temp.c_str());
        return RewriteInPlace(real, content);
    }
    bool ok = WriteAll(fd, content);
    // After the owner: a change of owner clears the set-id bits.
    if (ok && exists) ok = ::fchmod(fd, target.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), real.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return SyncFolder(folder);
}

}  // namespace Platform
