#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

#include "util/atomic_write.h"
#include "util/file_read.h"
#include "util/paths.h"

namespace velnix::test {

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path candidate;
    do {
        candidate = std::filesystem::temp_directory_path() /
                    ("velnix-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    } while (!std::filesystem::create_directory(candidate));
    path_ = FromFsPath(candidate);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(ToFsPath(path_), ec);
}

std::u16string TempDir::File(std::u16string_view name) const {
    return JoinPath(path_, name);
}

std::string ReadBytes(const std::u16string& path) {
    FileRead read = ReadWholeFile(ToFsPath(path));
    EXPECT_TRUE(read.ok) << "cannot read test file";
    return read.bytes;
}

void WriteBytes(const std::u16string& path, std::string_view bytes) {
    std::error_code ec;
    std::filesystem::create_directories(ToFsPath(path).parent_path(), ec);
    const Status written = WriteFileAtomically(ToFsPath(path), bytes);
    ASSERT_TRUE(written.ok) << "cannot write test file";
}

}  // namespace velnix::test
