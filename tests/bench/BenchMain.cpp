#include "app/StellaformApplication.h"
#include "tests/support/WindowTest.h"

#include <benchmark/benchmark.h>

// The benchmarks that show windows need the application object.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    stellaform::StellaformApplication application(argc, argv);
    const stellaform::test::TempFolder qtSettings;
    stellaform::test::keepQtSettingsIn(qtSettings);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
