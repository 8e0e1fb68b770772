#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "SafeFile.h"

namespace {

namespace fs = std::filesystem;

struct SaveRow {
    const char* name;
    const char* tmpfs;  // options of a tmpfs on the folder, holding the target and one more file
    bool full;          // that other file takes all the room left
    int folderMode;     // 0555: the folder refuses new files
    std::string target;
    const char* linkTo;  // the target is a link to this, or a plain file
    int oldBytes;        // -1: the real file does not exist yet
    int fileMode;
    bool saves;
};

const SaveRow Rows[] = {
    {"NoSpace", "size=64k,nr_inodes=8", true, 0755, "a.zlv", nullptr, 100, 0644, false},
    {"NoInodes", "size=64k,nr_inodes=3", false, 0755, "a.zlv", nullptr, 100, 0644, false},
    {"NameTooLong", nullptr, false, 0755, std::string(NAME_MAX + 1, 'z'), nullptr, -1, 0644, false},
    {"LongName", nullptr, false, 0755, std::string(250, 'z'), nullptr, -1, 0644, true},
    {"ReadOnlyFile", nullptr, false, 0755, "a.zlv", nullptr, 100, 0444, false},
    {"FolderRefusesNewFiles", nullptr, false, 0555, "a.zlv", nullptr, 100, 0644, true},
    {"FolderRefusesShorter", nullptr, false, 0555, "a.zlv", nullptr, 10000, 0644, true},
    {"FolderRefusesNoSpace", "size=64k,nr_inodes=8", true, 0555, "a.zlv", nullptr, 100, 0644, false},
    {"Link", nullptr, false, 0755, "a.zlv", "real/b.zlv", 100, 0644, true},
    {"LinkToNewFile", nullptr, false, 0755, "a.zlv", "real/b.zlv", -1, 0644, true},
};

void PrintTo(const SaveRow& row, std::ostream* out) {
    *out << row.name;
}

// The bytes as runs ("100o "), so a failure says what the file held.
std::string Runs(const std::string& text) {
    std::string runs;
    for (std::size_t i = 0, j = 0; i < text.size(); i = j) {
        j = std::min(text.find_first_not_of(text[i], i), text.size());
        runs += std::to_string(j - i) + text[i] + " ";
    }
    return runs;
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Runs(std::string((std::istreambuf_iterator<char>(in)), {}));
}

class SafeFileTest : public ::testing::TestWithParam<SaveRow> {
protected:
    void TearDown() override {
        if (mounted) ::umount2(dir.c_str(), MNT_DETACH);
        fs::remove_all(dir);
    }
    std::set<std::string> Listing() {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(dir)) names.insert(entry.path().string());
        return names;
    }
    // Folder and file modes do not bind root, so root saves as nobody with the way back kept.
    bool SaveAsUser(const fs::path& path, const std::string& content) {
        if (::geteuid() != 0) return Platform::ReplaceFile(path, content);
        for (const auto& name : Listing()) EXPECT_EQ(::lchown(name.c_str(), 65534, 65534), 0);
        EXPECT_EQ(::chown(dir.c_str(), 65534, 65534), 0);
        if (::setresgid(65534, 65534, 0) != 0 || ::setresuid(65534, 65534, 0) != 0) std::abort();
        const bool saved = Platform::ReplaceFile(path, content);
        if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0) std::abort();
        return saved;
    }

    const fs::path dir = fs::temp_directory_path() / ("zolvane-save-" + std::to_string(::getpid()));
    bool mounted = false;
};

// Whatever stops a save, the old file stays byte for byte and no temporary file is left.
TEST_P(SafeFileTest, SaveReplacesTheRealFileOrLeavesItAsItWas) {
    const SaveRow& row = GetParam();
    fs::create_directories(dir);
    if (row.tmpfs && !(mounted = ::mount("tmpfs", dir.c_str(), "tmpfs", 0, row.tmpfs) == 0))
        GTEST_SKIP() << "no tmpfs may be mounted here: " << std::strerror(errno);
    const fs::path real = dir / (row.linkTo ? row.linkTo : row.target.c_str());
    const std::string old(std::max(row.oldBytes, 0), 'o'), fresh(8192, 'n');
    fs::create_directories(real.parent_path());
    if (row.oldBytes >= 0) std::ofstream(real) << old, fs::permissions(real, fs::perms(row.fileMode));
    if (row.linkTo) fs::create_symlink(row.linkTo, dir / row.target);
    if (row.tmpfs)
        for (std::ofstream filler(dir / "filler"); row.full && filler << std::string(4096, 'f');)
            filler.flush();
    std::set<std::string> after = Listing();
    if (row.saves) after.insert(real.string());
    fs::permissions(dir, fs::perms(row.folderMode));
    const bool saved = SaveAsUser(dir / row.target, fresh);
    fs::permissions(dir, fs::perms(0755));
    EXPECT_EQ(saved, row.saves);
    EXPECT_EQ(Contents(real), Runs(row.saves ? fresh : old));
    EXPECT_EQ(Listing(), after);
    std::error_code tooLong;
    EXPECT_EQ(fs::is_symlink(dir / row.target, tooLong), row.linkTo != nullptr);
}

INSTANTIATE_TEST_SUITE_P(Rows, SafeFileTest, ::testing::ValuesIn(Rows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
