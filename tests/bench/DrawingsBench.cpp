// How long the drawings list takes to load a long history, and how much
// memory the program holds with it on screen.
#include "app/AppFolder.h"
#include "app/LineList.h"
#include "app/Main.h"
#include "drawings/DrawingsFile.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <QListView>

#include <fstream>
#include <random>
#include <string>

namespace {

using namespace stellaform;

constexpr int kLines = 100'000;

// A history of kLines drawings of 5 numbers out of 53 and a bonus number.
std::string longHistory()
{
    std::mt19937 random(2005);
    std::uniform_int_distribution<int> number(1, 53);
    Lines lines;
    lines.reserve(kLines);
    for (int i = 0; i < kLines; ++i) {
        std::string line =
            std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/" + std::to_string(1900 + i / 100);
        for (int k = 0; k < 6; ++k)
            line += " " + std::to_string(number(random));
        lines.push_back(std::move(line));
    }
    return joinLines(lines);
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

struct Installation {
    test::TempFolder folder;
    std::filesystem::path appFolder = folder.path() / "";
    Installation()
    {
        test::writeBytes(drawingsFolder(appFolder) / "PowerballPB553.Txt", longHistory());
        std::filesystem::copy(STELLAFORM_SKIN_DIR, folder / "skins", std::filesystem::copy_options::recursive);
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

} // namespace
