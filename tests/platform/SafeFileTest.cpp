#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "SafeFile.h"

namespace {

namespace fs = std::filesystem;

// A file beside the target, named like a temporary file or nearly so.
struct Leftover {
    const char* name = nullptr;
    int minutesOld = 0;
    bool removed = false, isLink = false;  // removed by the save; a link rather than a file
    uid_t owner = 0;                       // 0: the saver's
};

// Each row saves 8192 bytes over `target` in a folder of its own, as a user whom modes bind.
struct SaveRow {
    const char* name;
    int tmpfsInodes;  // a tmpfs on the folder holding one more file, which with 8 inodes takes all room left
    bool refuseNewFiles, saves;
    std::string target;
    const char* linkTo;              // the target is a link to this
    int oldBytes, fileMode;          // oldBytes -1: the real file does not exist yet
    uid_t owner = 0;                 // the old file's owner and group; 0: the saver's
    bool asRoot = false;             // saved by root, whom modes do not bind
    const char* hardLink = nullptr;  // another name of the old file, which must see the new text
    Leftover leftover = {};
};

// A plain save with a leftover beside the target.
SaveRow Beside(const char* name, Leftover leftover) {
    return {name, 0, false, true, "a.zlv", nullptr, 100, 0644, 0, false, nullptr, leftover};
}

const SaveRow Rows[] = {
    {"NoSpace", 8, false, false, "a.zlv", nullptr, 100, 0644},
    {"NoInodes", 3, false, false, "a.zlv", nullptr, 100, 0644},
    {"NameTooLong", 0, false, false, std::string(NAME_MAX + 1, 'z'), nullptr, -1, 0},
    {"LongName", 0, false, true, std::string(250, 'z'), nullptr, -1, 0},
    {"ReadOnlyFile", 0, false, false, "a.zlv", nullptr, 100, 0444},
    {"FolderRefusesNewFiles", 0, true, true, "a.zlv", nullptr, 100, 0644},
    {"FolderRefusesShorter", 0, true, true, "a.zlv", nullptr, 10000, 0644},
    {"FolderRefusesNoSpace", 8, true, false, "a.zlv", nullptr, 100, 0644},
    {"Link", 0, false, true, "a.zlv", "real/b.zlv", 100, 0640},
    {"LinkToNewFile", 0, false, true, "a.zlv", "real/b.zlv", -1, 0},
    // What a save keeps: the owner, other names of the file, and files beside it.
    {"OtherOwnerKept", 0, false, true, "a.zlv", nullptr, 100, 0644, 1000, true},
    {"OwnerNotOursInPlace", 0, false, true, "a.zlv", nullptr, 100, 0666, 1000},
    {"HardLinkSeesNewText", 0, false, true, "a.zlv", nullptr, 100, 0644, 0, false, "b.zlv"},
    Beside("StaleLeftoverRemoved", {".zlv-Ab3xY9", 60, true}),
    Beside("FreshLeftoverKept", {".zlv-Ab3xY9", 2}),
    Beside("LongerNameKept", {".zlv-Ab3xY9.zlv", 60}),
    Beside("OtherLetterKept", {".zlv-Ab3x~9", 60}),
    Beside("OthersLeftoverKept", {".zlv-Ab3xY9", 60, false, false, 1000}),
    Beside("LinkLeftoverKept", {".zlv-Ab3xY9", 60, false, true})};

// The bytes as runs ("100o "), so a failure says what the file held.
std::string Runs(const std::string& text) {
    std::string runs;
    for (std::size_t i = 0, j = 0; i < text.size(); runs += std::to_string(j - i) + text[i] + " ", i = j)
        j = std::min(text.find_first_not_of(text[i], i), text.size());
    return runs;
}

class SafeFileTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override {
        if (root && (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0)) std::abort();
        if (mounted) ::umount2(dir.c_str(), MNT_DETACH);
        fs::remove_all(dir);
    }
    long Files() { return std::distance(fs::recursive_directory_iterator(dir), {}); }
    // Hands a file to another user with root's power, taken back for the moment.
    static void GiveTo(const fs::path& path, uid_t owner) {
        const uid_t was = ::geteuid();
        if (::setresuid(-1, 0, -1) != 0 || ::lchown(path.c_str(), owner, owner) != 0 ||
            ::setresuid(-1, was, -1) != 0)
            std::abort();
    }
    // Owner, group and mode.
    static std::string Owner(const fs::path& path) {
        struct stat info {};
        ::lstat(path.c_str(), &info);
        return std::to_string(info.st_uid) + ":" + std::to_string(info.st_gid) + " " +
               std::to_string(info.st_mode & 07777);
    }

    const fs::path dir = fs::temp_directory_path() / ("zolvane-save-" + std::to_string(::getpid()));
    const bool root = ::geteuid() == 0;
    bool mounted = false;
};
class SaveTest : public SafeFileTest, public ::testing::WithParamInterface<SaveRow> {};

TEST_F(SafeFileTest, OnlyASmallRegularFileIsRead) {
    const fs::path path = dir / "a.zlv", fifo = dir / "fifo";
    std::ofstream(path) << "abcd";
    EXPECT_EQ(Platform::ReadWholeFile(path, 4), "abcd");
    EXPECT_EQ(Platform::ReadWholeFile(path, 3), std::nullopt);
    // Neither a device nor a FIFO stalls or exhausts the reader; a missing file is no file.
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& other : {fs::path("/dev/zero"), fifo, dir, dir / "none"})
        EXPECT_EQ(Platform::ReadWholeFile(other, 4), std::nullopt) << other;
}

// Whatever stops a save, the old file stays byte for byte and no temporary file is left.
TEST_P(SaveTest, SaveReplacesTheRealFileOrLeavesItAsItWas) {
    const SaveRow& row = GetParam();
    if (!root && (row.owner || row.asRoot || row.leftover.owner))
        GTEST_SKIP() << "only root gives files away";
    const std::string tmpfs = "size=64k,nr_inodes=" + std::to_string(row.tmpfsInodes);
    if (row.tmpfsInodes && !(mounted = ::mount("tmpfs", dir.c_str(), "tmpfs", 0, tmpfs.c_str()) == 0))
        GTEST_SKIP() << "no tmpfs may be mounted here: " << std::strerror(errno);
    // Root works as nobody, with the way back kept.
    if (root && (::chown(dir.c_str(), 65534, 65534) != 0 || ::setresgid(65534, 65534, 0) != 0 ||
                 ::setresuid(65534, 65534, 0) != 0))
        std::abort();
    if (row.asRoot && (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0)) std::abort();
    const fs::path real = dir / (row.linkTo ? row.linkTo : row.target.c_str());
    const std::string old(std::max(row.oldBytes, 0), 'o'), fresh(8192, 'n');
    fs::create_directories(real.parent_path());
    if (row.oldBytes >= 0) std::ofstream(real) << old, fs::permissions(real, fs::perms(row.fileMode));
    if (row.owner) GiveTo(real, row.owner);
    if (row.linkTo) fs::create_symlink(row.linkTo, dir / row.target);
    if (row.hardLink) fs::create_hard_link(real, dir / row.hardLink);
    const Leftover& left = row.leftover;
    if (left.name) {
        // A link points to a file that would pass for a leftover itself.
        const fs::path path = dir / left.name, file = left.isLink ? dir / "kept" : path;
        std::ofstream(file) << old;
        if (left.isLink) fs::create_symlink("kept", path);
        const timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 60 * left.minutesOld, 0}};
        for (const fs::path& aged : {file, path})
            ::utimensat(AT_FDCWD, aged.c_str(), times, AT_SYMLINK_NOFOLLOW);
        if (left.owner) GiveTo(path, left.owner);
    }
    for (std::ofstream filler(dir / "filler"); row.tmpfsInodes > 3 && filler << std::string(4096, 'f');)
        filler.flush();
    const long files = Files() + (row.saves && row.oldBytes < 0) - left.removed;
    const std::string owner = Owner(real);
    fs::permissions(dir, fs::perms(row.refuseNewFiles ? 0555 : 0755));
    EXPECT_EQ(Platform::ReplaceFile(dir / row.target, fresh), row.saves);
    fs::permissions(dir, fs::perms(0755));
    EXPECT_EQ(Runs(Platform::ReadWholeFile(real, fresh.size() * 2).value_or("")),
              Runs(row.saves ? fresh : old));
    if (row.hardLink) {
        EXPECT_EQ(Runs(Platform::ReadWholeFile(dir / row.hardLink, fresh.size()).value_or("")), Runs(fresh));
    }
    EXPECT_EQ(fs::exists(fs::symlink_status(dir / (left.name ? left.name : "none"))),
              left.name && !left.removed);
    EXPECT_EQ(Files(), files);
    std::error_code tooLong;
    EXPECT_EQ(fs::is_symlink(dir / row.target, tooLong), row.linkTo != nullptr);
    if (row.oldBytes >= 0) {
        EXPECT_EQ(Owner(real), owner);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SaveTest, ::testing::ValuesIn(Rows),
                         [](const auto& info) { return std::string(info.param.name); });

// In a user namespace a colleague's file has an owner no one there can name: the new file cannot
// be given it (EINVAL, not EPERM), so the old one is rewritten where it is.
TEST_F(SafeFileTest, AnOwnerNoOneCanNameIsKeptByWritingInPlace) {
    if (!root) GTEST_SKIP() << "only root gives files away";
    const fs::path path = dir / "a.zlv";
    std::ofstream(path) << "old", fs::permissions(path, fs::perms(0666)), GiveTo(path, 1000);
    const pid_t child = ::fork();
    if (child == 0) {
        const auto write = [](const char* file, const char* text) { std::ofstream(file) << text; };
        if (::unshare(CLONE_NEWUSER) != 0) ::_exit(2);
        write("/proc/self/setgroups", "deny"), write("/proc/self/uid_map", "0 0 1"),
            write("/proc/self/gid_map", "0 0 1");
        ::_exit(Platform::ReplaceFile(path, "new") ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "no user namespace may be made here";
    EXPECT_EQ(std::pair(WEXITSTATUS(status), Platform::ReadWholeFile(path, 10).value_or("")),
              std::pair(0, std::string("new")));
    EXPECT_EQ(Owner(path), "1000:1000 438");  // 0666
}

// Where the file system cannot reserve room itself, the C library reserves it by reading the
// file's blocks: a file rewritten in place (here for its second name) must be open for reading.
TEST_F(SafeFileTest, RoomIsReservedWhereTheFileSystemCannotReserveIt) {
    const fs::path path = dir / "a.zlv";
    std::ofstream(path) << std::string(5000, 'o');
    fs::create_hard_link(path, dir / "b.zlv");
    const pid_t child = ::fork();
    if (child == 0) {
        sock_filter refuse[] = {BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
                                BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_fallocate, 0, 1),
                                BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EOPNOTSUPP),
                                BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW)};
        const sock_fprog program{static_cast<unsigned short>(std::size(refuse)), refuse};
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
            ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
            ::_exit(2);
        ::_exit(Platform::ReplaceFile(path, std::string(8192, 'n')) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "no system-call filter may be set here";
    EXPECT_EQ(std::pair(WEXITSTATUS(status), Runs(Platform::ReadWholeFile(dir / "b.zlv", 9000).value_or(""))),
              std::pair(0, std::string("8192n ")));
}

}  // namespace
