// Writes PNGs of the chromaticity pane for looking at: every colour space,
// 1 to 3 illuminants, English and Simplified Chinese, at two window sizes.
// Usage: chroma_pane_shots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "core/job.h"
#include "core/job_manager.h"
#include "qt/views/chroma_view.h"
#include "tests/core/job_fixtures.h"

using namespace corvana;

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(out.path());
  // The pane's share of a 1024 × 700 and a 1920 × 1080 job window.
  const QSize sizes[] = {{620, 640}, {1250, 1000}};
  for (Language language : {English, ChineseSimplified}) {
    LanguageIndex = language;
    for (int space = 0; space < 7; ++space)
      for (std::uint32_t count = 1; count <= 3; ++count) {
        JobManager manager;
        Job job(manager);
        job.colorSpace = ColorSpace(space);
        job.setColorFormula(Cie2000);
        job.IlluminantCount = count;
        job.addStandard(testing::curveSample(language == English ? "Navy twill 2024-11 lot 7"
                                                                 : "藏青斜纹布 第七批"),
                        true);
        for (int i = 0; i < 20; ++i)
          job.addSample(testing::curveSample("S" + std::to_string(i), float(i % 7) - 3), false);
        job.addSample(testing::curveSample("Current sample", 1.2f), true);
        for (ToleranceSet& t : job.toleranceB) t.lower = -1, t.upper = 1;
        job.recomputeAll();
        for (const QSize size : sizes) {
          const QString name = QString("pane_%1_space%2_ill%3_%4x%5.png")
                                   .arg(language == English ? "en" : "zh")
                                   .arg(space)
                                   .arg(count)
                                   .arg(size.width())
                                   .arg(size.height());
          renderChromaPane(&job, size).save(out.filePath(name));
        }
      }
  }
  return 0;
}
