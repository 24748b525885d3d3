// Writes the job-file fuzzer's seed corpus with the real writer:
//   write_job_seeds fuzz/corpus/job
#include <cstdio>
#include <fstream>
#include <string>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/language_table.h"

namespace {

using namespace corvana;

MeasurementRecord curve(const std::string& name, float level) {
  MeasurementRecord r;
  r.setName(name);
  r.setMaterial("Cotton 40s");
  for (int i = 0; i < kCurvePoints; ++i) r.reflectance[std::size_t(i)] = level + 0.01f * float(i);
  r.UseReflect = true;
  r.time = {6, 5, 2014, 0, 30, 9};
  return r;
}

MeasurementRecord lab(const std::string& name) {
  MeasurementRecord r;
  r.setName(name);
  r.L = 50.5f, r.a = -2.25f, r.b = 12;
  r.illuminant = D65;
  r.observer = Observer10;
  r.mode = SCE;
  return r;
}

void save(const std::string& dir, const char* file, const Job& job) {
  std::ofstream(dir + "/" + file, std::ios::binary) << jobFileText(job, "UTF-8");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_job_seeds DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  JobManager manager;
  {
    Job job(manager);
    job.setTitle("Job1");
    save(dir, "empty.job", job);
  }
  {
    Job job(manager);
    job.setTitle("Job1");
    job.DeviceName = "CM-26d";
    job.addStandard(curve("Standard001", 0.2f), false);
    job.addStandard(curve("Standard002", 0.3f), true);
    job.addSample(lab("Sample001"), false);
    save(dir, "example.job", job);
  }
  {
    LanguageIndex = ChineseSimplified;
    Job job(manager);
    job.setTitle("工作2");
    job.setIlluminantCount(3);
    job.setColorFormula(ColorFastness);
    job.judgeMethod = UseColorimetricAndDeltaE;
    job.observer = Observer2;
    job.ChineseName = "染厂";
    job.PrintChromaticity = true;
    job.addStandard(curve("红色标样", 0.1f), false);
    MeasurementRecord s = lab("试样 <1> & \"2\"");
    s.time = {30, 2, 2014, 0, 0, 25};
    job.addSample(s, false);
    job.addSample(curve("试样3", 0.4f), true);
    save(dir, "chinese.job", job);
    LanguageIndex = English;
  }
  return 0;
}
