// How long the drawings list takes to load a long history, how much memory
// the program holds with it on screen, and how long adding or deleting one
// drawing takes, each of which reads and writes the whole file.
#include "app/AppFolder.h"
#include "app/LineList.h"
#include "app/Main.h"
#include "drawings/DrawingsCommands.h"
#include "drawings/DrawingsFile.h"
#include "tests/bench/LongHistory.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowTest.h"

#include <benchmark/benchmark.h>

#include <QListView>

#include <fstream>
#include <string>

namespace {

using namespace stellaform;

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

// The skin and 100,000 drawings of the default lottery.
struct Installation {
    test::TempFolder folder;
    std::filesystem::path appFolder = test::makeInstallation(folder, test::Skin);
    Installation()
    {
        test::writeBytes(drawingsFolder(appFolder) / "PowerballPB553.Txt", joinLines(test::longHistory(100'000)));
    }
};

Installation& installation()
{
    static Installation instance;
    return instance;
}

void ReadDrawings(benchmark::State& state)
{
    const DrawingsFile file(installation().appFolder, "PowerballPB553");
    for (auto _ : state) {
        auto lines = file.readOrNothing();
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(ReadDrawings)->Unit(benchmark::kMillisecond);

void LoadCurrentLottery(benchmark::State& state)
{
    TMainForm window(installation().appFolder);
    window.show();
    for (auto _ : state) {
        window.LoadCurrentLottery();
        // Lay out and paint the visible rows, as the screen would.
        window.findChild<QListView*>(QStringLiteral("drawsListBox"))->viewport()->repaint();
    }
    state.counters["resident_MB"] = static_cast<double>(residentKilobytes()) / 1024.0;
    window.close();
}
BENCHMARK(LoadCurrentLottery)->Unit(benchmark::kMillisecond);

// A lottery of its own holding the long history, so that the benchmarks that
// change a file leave the others' alone.
DrawingsFile copyOfHistory(const std::string& lotteryName)
{
    const std::filesystem::path folder = drawingsFolder(installation().appFolder);
    std::filesystem::copy_file(folder / "PowerballPB553.Txt", folder / (lotteryName + ".Txt"),
                               std::filesystem::copy_options::overwrite_existing);
    return DrawingsFile(installation().appFolder, lotteryName);
}

void AppendDrawing(benchmark::State& state)
{
    const DrawingsFile file = copyOfHistory("Append");
    for (auto _ : state)
        appendDrawing(file, "8/2/2005 03 12 25 33 41 07");
}
BENCHMARK(AppendDrawing)->Unit(benchmark::kMillisecond);

void DeleteDrawing(benchmark::State& state)
{
    const DrawingsFile file = copyOfHistory("Delete");
    for (auto _ : state)
        deleteDrawing(file, 0);
}
BENCHMARK(DeleteDrawing)->Unit(benchmark::kMillisecond);

} // namespace
