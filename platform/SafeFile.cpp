#include "SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace Platform {

namespace {

// Each pass writes something or gives up, so the loop ends.
bool WriteAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool RewriteInPlace(const std::string& path, const std::string& content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, content);
    return ::close(fd) == 0 && written;
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
        // Read one byte past the cap, so a file that grew since fstat is still refused.
        std::string text(maxBytes + 1, '\0');
        std::size_t got = 0;
        ssize_t n = 0;
        while (got < text.size() && (n = ::read(fd, text.data() + got, text.size() - got)) > 0)
            got += static_cast<std::size_t>(n);
        if (n >= 0 && got <= maxBytes) {
            text.resize(got);
            result = std::move(text);
        }
    }
    ::close(fd);
    return result;
}

bool ReplaceFile(const std::string& path, const std::string& content) {
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    // A file the user made read-only is not ours to replace.
    if (exists && ::access(path.c_str(), W_OK) != 0) return false;
    // A name of our own next to the target: never one a user's file may already have.
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = path + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        // A read-only folder with a writable file in it: keep the settings rather than lose them.
        if (exists && S_ISREG(target.st_mode)) return RewriteInPlace(path, content);
        return false;
    }
    bool ok = WriteAll(fd, content);
    if (ok && exists) ok = ::fchmod(fd, target.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace Platform
