// The check against a working folder of 10,000 model files with their versions, beside the
// same check without a folder, and reading such a folder from the disk: the folder may add at
// most 50 ms to the check.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "check/list_check.h"
#include "sample_names.h"
#include "util/paths.h"
#include "util/unicode.h"

namespace velnix {
namespace {

constexpr std::int64_t kFolderFiles = 10000;

// Each old name of the sample pairs as a model file, every third one in two versions.
NameList FolderFileNames(const NameList& oldNames) {
    NameList files;
    for (std::size_t i = 0; i < oldNames.size(); ++i) {
        files.push_back(oldNames[i] + u".1");
        if (i % 3 == 0) {
            files.push_back(oldNames[i] + u".2");
        }
    }
    return files;
}

// The folder on the disk, made once and removed when the benchmarks end.
class FolderOnDisk {
  public:
    FolderOnDisk()
        : path_(std::filesystem::temp_directory_path() /
                ("velnix_folder_bench_" + std::to_string(std::random_device()()))) {
        std::filesystem::create_directory(path_);
        for (const auto& name : FolderFileNames(bench::SamplePairs(kFolderFiles).first)) {
            std::ofstream(path_ / Utf16ToUtf8(name));
        }
    }
    ~FolderOnDisk() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    FolderOnDisk(const FolderOnDisk&) = delete;
    FolderOnDisk& operator=(const FolderOnDisk&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

void CheckAgainstFolder(benchmark::State& state) {
    const auto [oldNames, newNames] = bench::SamplePairs(state.range(0));
    const WorkingFolder folder{u"/arbeit", FolderModels(FolderFileNames(oldNames)), {}};
    CheckOptions options;
    if (state.range(1) != 0) {
        options.folder = &folder;
    }
    for (auto _ : state) {
        const std::vector<Finding> findings = CheckLists(oldNames, newNames, options);
        if (!findings.empty()) {
            state.SkipWithError("findings in a clean list and folder");
            return;
        }
    }
}

void ReadFolderFromDisk(benchmark::State& state) {
    static const FolderOnDisk folder;
    for (auto _ : state) {
        const WorkingFolder read = ReadWorkingFolder(folder.path(), u"");
        if (!read.models || read.models->size() != kFolderFiles) {
            state.SkipWithError("the folder was not read whole");
            return;
        }
    }
}

BENCHMARK(CheckAgainstFolder)
    ->ArgNames({"pairs", "folder"})
    ->Args({kFolderFiles, 0})
    ->Args({kFolderFiles, 1})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ReadFolderFromDisk)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velnix
