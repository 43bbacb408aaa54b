// Composing rename.pro for growing lists of both name shapes: on the command line's path
// (checked, in the code page, streamed in blocks) and on the window's (into the output text,
// then the edited text converted for the file at OK, block by block).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "mapkey/compose.h"
#include "mapkey/rename_file.h"
#include "sample_names.h"

namespace velnix {
namespace {

// Takes the blocks as a fast device would: counts them and drops them.
class CountingSink final : public BlockSink {
  public:
    bool Write(std::string_view block) override {
        benchmark::DoNotOptimize(block.data());
        bytes += block.size();
        return true;
    }
    std::size_t bytes = 0;
};

void Report(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

void CommandLinePath(benchmark::State& state) {
    const auto [oldNames, newNames] =
        bench::SamplePairs(state.range(0), static_cast<bench::NameShape>(state.range(1)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const Result<MapkeyPairs> pairs = EncodePairs(oldNames, newNames);
        CountingSink sink;
        if (!pairs.ok() || !ComposeMapkeys(*pairs.value, TextEnd::RenamePro, sink)) {
            state.SkipWithError("rename.pro not composed");
            return;
        }
        bytes = sink.bytes;
    }
    Report(state, bytes);
}

void WindowPath(benchmark::State& state) {
    const auto [oldNames, newNames] =
        bench::SamplePairs(state.range(0), static_cast<bench::NameShape>(state.range(1)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        StringSink text;
        ComposeMapkeys(PairsInUtf8(oldNames, newNames), TextEnd::OutputBox, text);
        CountingSink file;
        std::u16string problem;
        if (!ConvertOutputText(text.text, file, problem)) {
            state.SkipWithError("rename.pro not composed");
            return;
        }
        bytes = file.bytes;
    }
    Report(state, bytes);
}

void Sizes(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"pairs", "short"});
    for (const int shape : {0, 1}) {
        for (const int pairs : {100, 1000, 32767}) {
            bench->Args({pairs, shape});
        }
    }
    bench->Unit(benchmark::kMillisecond);
}

BENCHMARK(CommandLinePath)->Apply(Sizes);
BENCHMARK(WindowPath)->Apply(Sizes);

}  // namespace
}  // namespace velnix
