// The prediction's own work, without its pauses: reading the drawings file,
// the 19 rankings, the sorts and the selection.
#include "app/LineList.h"
#include "drawings/DrawingsFile.h"
#include "prediction/Prediction.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <random>

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
    std::mt19937 random(2005);
    std::uniform_int_distribution<int> number(1, 53);
    Lines lines;
    for (int i = 0; i < 100'000; ++i) {
        std::string line = "8/27/2005";
        for (int k = 0; k < 6; ++k)
            line += " " + std::to_string(number(random));
        lines.push_back(std::move(line));
    }
    const DrawingsFile file(folder.path() / "", "PowerballPB553");
    test::writeBytes(file.path(), joinLines(lines));
    predictFrom(state, file);
}
BENCHMARK(PredictionOn100000Drawings)->Unit(benchmark::kMillisecond);

} // namespace
