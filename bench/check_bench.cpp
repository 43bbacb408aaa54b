// The check of whole lists and the order repair, up to the window's 32767 pairs: a clean list
// of both name shapes, the worst order, a chain written backwards (every pair takes the name
// that the next one frees), and a list with a finding on every pair, sentences and all.
// Repeated, so that tools/bench-check reads the medians.
#include <benchmark/benchmark.h>

#include "check/list_check.h"
#include "check/order_repair.h"
#include "sample_names.h"

namespace velnix {
namespace {

// "teil00001.prt" → "teil00000.prt", "teil00002.prt" → "teil00001.prt", ... in the order
// in which each pair's new name is still taken.
NamePairs BackwardChain(std::int64_t count) {
    NamePairs pairs;
    for (std::int64_t i = 0; i < count; ++i) {
        pairs.oldNames.push_back(u"teil" + bench::FiveDigits(i + 1) + u".prt");
        pairs.newNames.push_back(u"teil" + bench::FiveDigits(i) + u".prt");
    }
    return pairs;
}

void CheckCleanList(benchmark::State& state) {
    const auto [oldNames, newNames] =
        bench::SamplePairs(state.range(0), static_cast<bench::NameShape>(state.range(1)));
    for (auto _ : state) {
        const std::vector<Finding> findings = CheckLists(oldNames, newNames);
        if (!findings.empty()) {
            state.SkipWithError("findings in a clean list");
            return;
        }
    }
}

void CheckBackwardChain(benchmark::State& state) {
    const NamePairs pairs = BackwardChain(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckLists(pairs.oldNames, pairs.newNames).size());
    }
}

// "teil00007.prt" → "teil00007_neu.asm": every new name changes the type, a Fehler each. The
// findings are taken one by one with their sentences, as the check command prints them.
void CheckFindingOnEveryPair(benchmark::State& state) {
    NamePairs pairs;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        pairs.oldNames.push_back(u"teil" + bench::FiveDigits(i) + u".prt");
        pairs.newNames.push_back(u"teil" + bench::FiveDigits(i) + u"_neu.asm");
    }
    for (auto _ : state) {
        std::size_t withSentence = 0;
        CheckLists(NameListSource(pairs.oldNames), NameListSource(pairs.newNames), {}, true,
                   [&withSentence](const Finding& finding) {
                       withSentence += finding.message.empty() ? 0 : 1;
                   });
        if (withSentence != pairs.oldNames.size()) {
            state.SkipWithError("not one finding with its sentence on every pair");
            return;
        }
    }
}

void RepairBackwardChain(benchmark::State& state) {
    const NamePairs pairs = BackwardChain(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(RepairOrder(pairs.oldNames, pairs.newNames).ok());
    }
}

constexpr int kRepetitions = 11;

BENCHMARK(CheckCleanList)
    ->ArgNames({"pairs", "short"})
    ->Args({1000, 0})
    ->Args({32767, 0})
    ->Args({32767, 1})
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CheckBackwardChain)
    ->ArgName("pairs")
    ->Arg(32767)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CheckFindingOnEveryPair)
    ->ArgName("pairs")
    ->Arg(32767)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RepairBackwardChain)->ArgName("pairs")->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velnix
