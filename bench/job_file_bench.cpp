// Opening (read, build the job, recompute) and saving large job files; run
// build/bench/job_file_bench. Peak memory is the process's ru_maxrss.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"

namespace corvana {
namespace {

MeasurementRecord randomRecord(std::mt19937& rng, int n) {
  std::uniform_real_distribution<float> centre(450, 650), level(0.05f, 0.8f);
  MeasurementRecord r;
  r.setName("Sample" + std::to_string(n));
  r.setMaterial("Cotton 40s");
  const float c = centre(rng), l = level(rng);
  for (int i = 0; i < kCurvePoints; ++i)
    r.reflectance[std::size_t(i)] =
        0.03f + l / (1.0f + std::exp(-(float(wavelengthOf(i)) - c) / 15.0f));
  r.UseReflect = true;
  r.time = {6, 5, 2014, 0, 30, 9};
  return r;
}

void fillJob(Job& job, int records) {
  std::mt19937 rng(7);
  job.illuminants[1] = A;
  job.illuminants[2] = F11;
  job.setColorFormula(Cie2000);
  for (int i = 0; i < 10; ++i) job.addStandard(randomRecord(rng, i), false);
  for (int i = 10; i < records; ++i) job.addSample(randomRecord(rng, i), false);
}

std::string benchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "corvana-bench-XXXXXX").string();
  return mkdtemp(pattern.data()) ? pattern : std::string("/tmp");
}

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;
}

// A file of N records (10 standards, the rest samples) opened into a job.
void BM_OpenJobFile(benchmark::State& state) {
  const std::string dir = benchDir();
  const std::string path = dir + "/bench.job";
  {
    JobManager manager;
    Job job(manager);
    fillJob(job, int(state.range(0)));
    if (!writeJobFile(job, path)) state.SkipWithError("cannot write the file");
  }
  const auto bytes = std::filesystem::file_size(path);
  JobManager manager;
  for (auto _ : state) {
    Job job(manager);
    std::string error;
    if (!readJobFile(job, path, &error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(job.sampleCount());
  }
  state.counters["file_MB"] = double(bytes) / 1e6;
  state.counters["peak_RSS_MB"] = peakMegabytes();
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_OpenJobFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same with Chinese names in a file written in GBK, as a Chinese Windows
// installation writes it: the bytes are not UTF-8 and go through iconv.
void BM_OpenGbkJobFile(benchmark::State& state) {
  const std::string dir = benchDir();
  const std::string path = dir + "/bench-gbk.job";
  {
    JobManager manager;
    Job job(manager);
    fillJob(job, int(state.range(0)));
    for (int i = 0; i < job.sampleCount(); ++i) job.renameSample(i, "试样" + std::to_string(i));
    std::FILE* f = std::fopen(path.c_str(), "wb");
    const std::string text = jobFileText(job, "GBK");
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size())
      state.SkipWithError("cannot write the file");
    if (f) std::fclose(f);
  }
  JobManager manager;
  for (auto _ : state) {
    Job job(manager);
    std::string error;
    if (!readJobFile(job, path, &error)) state.SkipWithError(error.c_str());
    if (job.sampleCount() > 0 && job.sample(0).nameUtf8() != "试样0")
      state.SkipWithError("the names did not decode");
    benchmark::DoNotOptimize(job.sampleCount());
  }
  state.counters["peak_RSS_MB"] = peakMegabytes();
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_OpenGbkJobFile)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Saving a job of N records: the text, the temporary file, fsync, rename.
void BM_SaveJobFile(benchmark::State& state) {
  const std::string dir = benchDir();
  JobManager manager;
  Job job(manager);
  fillJob(job, int(state.range(0)));
  for (auto _ : state) {
    if (!writeJobFile(job, dir + "/bench.job")) state.SkipWithError("cannot write the file");
  }
  state.counters["peak_RSS_MB"] = peakMegabytes();
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SaveJobFile)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace corvana
