// Composing and encoding rename.pro for growing lists, on the command line's path and on the
// window's path (the text it shows and lets the user edit, then its bytes).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <utility>

#include "mapkey/compose.h"
#include "mapkey/rename_file.h"
#include "sample_names.h"

namespace velnix {
namespace {

template <class Compose>
void Run(benchmark::State& state, Compose compose) {
    const auto [oldNames, newNames] = bench::SamplePairs(state.range(0));
    std::size_t size = 0;
    for (auto _ : state) {
        const Result<std::string> content = compose(oldNames, newNames);
        if (!content.ok()) {
            state.SkipWithError("rename.pro not composed");
            return;
        }
        size = content.value->size();
        benchmark::DoNotOptimize(content.value->data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
    state.counters["file_bytes"] = static_cast<double>(size);
}

void ContentForPairs(benchmark::State& state) {
    Run(state, [](const NameList& oldNames, const NameList& newNames) {
        return RenameProContentForPairs(oldNames, newNames);
    });
}

void ComposeTextThenContent(benchmark::State& state) {
    Run(state, [](const NameList& oldNames, const NameList& newNames) {
        return RenameProContent(ComposeMapkeyText(oldNames, newNames));
    });
}

BENCHMARK(ContentForPairs)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(ComposeTextThenContent)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velnix
