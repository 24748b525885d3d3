// Job > Export Data through the job window with 10 000 samples and nothing
// selected: the list's rows, the sheet, the workbook in the documents
// folder. The desktop opener is stood in for. Offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <random>

#include "bench/bench_records.h"
#include "core/command_table.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/open_document.h"

namespace corvana {
namespace {

void BM_ExportDataCommand(benchmark::State& state) {
  QTemporaryDir documents;
  setenv("XDG_DOCUMENTS_DIR", documents.path().toUtf8().constData(), 1);
  ui::setDocumentOpener([](const QUrl&) { return true; });
  CMainFrame frame;
  CChildFrame* child = frame.newJob();
  Job& job = child->job();
  std::mt19937 rng(7);
  for (int i = 0; i <= 10000; ++i) {
    const MeasurementRecord r = randomRecord(rng, "Lot " + std::to_string(i));
    if (i == 0)
      job.addStandard(r, true);
    else
      job.addSample(r, false);
  }
  for (auto _ : state) child->runCommand(CmdExportData);
  state.counters["files"] = double(QDir(documents.path()).entryList(QDir::Files).size());
  job.setModified(false);
  ui::setDocumentOpener({});
}
BENCHMARK(BM_ExportDataCommand)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace corvana

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
