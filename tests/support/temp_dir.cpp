#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>

#include "util/files.h"
#include "util/text.h"

namespace velnix::test {

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = static_cast<std::size_t>(
        std::chrono::steady_clock::now().time_since_epoch().count() % 1000000007);
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (;;) {
        const std::u16string name =
            u"velnix-test-" + DecimalText(stamp) + u"-" + DecimalText(counter++);
        const std::filesystem::path candidate = base / ToFsPath(name);
        if (std::filesystem::create_directory(candidate)) {
            path_ = FromFsPath(candidate);
            return;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(ToFsPath(path_), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(ToFsPath(path_), ec);
}

std::u16string TempDir::File(std::u16string_view name) const {
    return JoinPath(path_, name);
}

std::string ReadBytes(const std::u16string& path) {
    FileRead read = ReadWholeFile(path);
    EXPECT_TRUE(read.ok) << "cannot read test file";
    return read.bytes;
}

void WriteBytes(const std::u16string& path, std::string_view bytes) {
    const Status written = WriteFileAtomically(path, bytes);
    ASSERT_TRUE(written.ok) << "cannot write test file";
}

}  // namespace velnix::test
