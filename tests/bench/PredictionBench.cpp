// The prediction's own work, without its pauses: reading the drawings file,
// the 19 rankings, the sorts and the selection.
#include "app/LineList.h"
#include "drawings/DrawingsFile.h"
#include "prediction/Prediction.h"
#include "tests/bench/LongHistory.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

namespace {

using namespace stellaform;

void predictFrom(benchmark::State& state, const DrawingsFile& file)
{
    for (auto _ : state) {
        auto report = makePrediction(file.read(), 53, 5);
        benchmark::DoNotOptimize(report);
    }
}

void PredictionOnTheSampleHistory(benchmark::State& state)
{
    predictFrom(state, DrawingsFile(STELLAFORM_SAMPLE_DIR "/", "PowerballPB553"));
}
BENCHMARK(PredictionOnTheSampleHistory)->Unit(benchmark::kMicrosecond);

void PredictionOn100000Drawings(benchmark::State& state)
{
    test::TempFolder folder;
    const DrawingsFile file(folder.path() / "", "PowerballPB553");
    test::writeBytes(file.path(), joinLines(test::longHistory(100'000)));
    predictFrom(state, file);
}
BENCHMARK(PredictionOn100000Drawings)->Unit(benchmark::kMillisecond);

} // namespace
