#include "plots/logical_wavelength_reflectance.h"

#include "core/job.h"
#include "core/language_table.h"
#include "plots/spectral_plot.h"
#include "plots/spectral_strip.h"

namespace corvana::spectral {

namespace {

const Font kCaptionFont{FontFace::UserInterface, 9, FontUnit::Points};

// The record of a series: the current standard first when there is one.
const MeasurementRecord* seriesRecord(const Job& job, int series) {
  if (job.hasCurrentStandard()) {
    if (series == 0) return &job.standard(job.currentStandard);
    --series;
  }
  if (series < 0 || series >= job.sampleCount()) return nullptr;
  return &job.sample(series);
}

}  // namespace

LogicalWavelengthReflectance::LogicalWavelengthReflectance(const SpectralPlot& plot) : plot_(plot) {
  // Reflectance is kept as a fraction; the labels read in percent.
  setAxes({400, 700, 50}, {0, 1.0f, 0.2f});
  setTicks(tickList(400, 700, 50, true), tickList(0, 100, 20, true));
}

void LogicalWavelengthReflectance::drawVerticalCaption(DrawList& out, const Rect& strip) const {
  out.text(strip, "%R(or %T)", AlignHCenter | AlignVCenter, kCaptionFont, textColour, true);
}

void LogicalWavelengthReflectance::drawHorizontalCaption(DrawList& out, const Rect& strip) const {
  out.image({ImageId::Spectrum, strip, spectrumColumnOf(xAxis().minimum),
             spectrumColumnOf(xAxis().maximum), false});
  out.text(strip, LookupText(Text::Wavelength) + "(nm)", AlignHCenter | AlignVCenter, kCaptionFont,
           textColour);
}

SeriesPoint LogicalWavelengthReflectance::getPoint(int series, int index) const {
  const Job* job = plot_.job();
  if (!job || index < 0 || index >= kCurvePoints) return {};
  const MeasurementRecord* record = seriesRecord(*job, series);
  if (!record || !record->UseReflect) return {};
  return {float(wavelengthOf(index)), record->reflectance[std::size_t(index)], true};
}

int LogicalWavelengthReflectance::seriesCount() const {
  const Job* job = plot_.job();
  if (!job) return 0;
  return (job->hasCurrentStandard() ? 1 : 0) + job->sampleCount();
}

int LogicalWavelengthReflectance::pointCount(int series) const {
  return series >= 0 && series < seriesCount() ? kCurvePoints : 0;
}

std::uint32_t LogicalWavelengthReflectance::seriesColor(int series) const {
  const Job* job = plot_.job();
  if (!job) return 0xFF000000;
  return series == 0 && job->hasCurrentStandard() ? kStandardGreen : kSampleBlue;
}

}  // namespace corvana::spectral
