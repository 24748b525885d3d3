// Job > Export Data through the job window with 10 000 samples and nothing
// selected: the list's rows, the sheet, the workbook in the documents
// folder. The desktop opener is stood in for. Offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <random>

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
  std::uniform_real_distribution<float> centre(450, 650), level(0.05f, 0.8f);
  MeasurementRecord r;
  r.UseReflect = true;
  for (int i = 0; i <= 10000; ++i) {
    const float c = centre(rng), l = level(rng);
    for (int k = 0; k < kCurvePoints; ++k)
      r.reflectance[std::size_t(k)] =
          0.03f + l / (1.0f + std::exp(-(float(wavelengthOf(k)) - c) / 15.0f));
    r.setName("Lot " + std::to_string(i));
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
