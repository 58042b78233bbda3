// How long a drawings download holds the program, from a server on this
// computer, for a typical file, a large one and one at the body limit.
#include "app/AtomicFile.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestHttpServer.h"
#include "update/DrawingsDownload.h"

#include <benchmark/benchmark.h>

#include <QUrl>

namespace {

using namespace stellaform;

void DownloadDrawings(benchmark::State& state)
{
    const auto size = static_cast<qsizetype>(state.range(0));
    test::TestHttpServer server(test::httpAnswer("200 OK", QByteArray(size, '7')));
    const test::TempFolder folder;
    DrawingsDownload download;
    const QUrl url(QStringLiteral("http://%1/download2/drawingsdownload/PowerballPB553.Txt").arg(server.address()));
    for (auto _ : state) {
        AtomicFile file(folder / "PowerballPB553.Txt");
        if (download.get(url, file) != DownloadOutcome::Received) {
            state.SkipWithError("the download failed");
            break;
        }
        file.commit();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(DownloadDrawings)->Arg(64 << 10)->Arg(4 << 20)->Arg(kDownloadBodyLimit)->Unit(benchmark::kMillisecond);

} // namespace
