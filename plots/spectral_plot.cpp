#include "plots/spectral_plot.h"

#include "core/job.h"
#include "core/language_table.h"

namespace corvana::spectral {

namespace {

constexpr int kDefaultAccuracy = 3;  // a job's own default, until one is set

bool hasCurrentSample(const Job& job) {
  return job.currentSample >= 0 && job.currentSample < job.sampleCount();
}

std::string valueText(const MeasurementRecord& record, int i, int accuracy) {
  if (!record.UseReflect) return "--";
  return formatWide6(record.reflectance[std::size_t(i)] * 100.0f, accuracy);
}

void fillColumn(SpectralColumn& column, std::string heading, std::uint32_t colour) {
  column.shown = true;
  column.heading = std::move(heading);
  column.colours.fill(colour);
}

}  // namespace

bool isTooSmall(int clientWidth, int clientHeight) {
  return clientWidth < kMinimumPaneWidth || clientHeight < kMinimumPaneHeight;
}

SpectralLayout spectralLayout(int clientWidth, int clientHeight, int accuracy) {
  SpectralLayout l;
  const float fs = float(clientHeight) / 34.5f;
  l.fontUnit = fs;
  const float acc = float(accuracy);
  l.wavelength = {2, int((fs - 2) * 4)};
  l.standard = {l.wavelength.width + 4, int((acc + 2) * (fs - 2))};
  l.sample = {l.standard.x + l.standard.width + 2, int((acc + 2) * (fs - 2))};
  l.difference = {l.sample.x + l.sample.width + 2, int((acc + 4) * fs)};
  const int plotX = l.difference.x + l.difference.width + 2;
  const int plotY = int(2.5f * fs);
  l.plot = {plotX, plotY, clientWidth - plotX - 2, clientHeight - plotY - 2};
  return l;
}

SpectralTable spectralTable(const Job& job) {
  SpectralTable t;
  const int accuracy = job.DataAccuracy;
  fillColumn(t.wavelength, "λ(nm)", kPlotText);
  for (int i = 0; i < kCurvePoints; ++i) {
    const int nm = wavelengthOf(i);
    t.wavelength.rows[std::size_t(i)] = formatInt(nm);
    // The hundreds stand out so the eye finds its place in the column.
    if (nm % 100 == 0) t.wavelength.colours[std::size_t(i)] = kSampleBlue;
  }
  const MeasurementRecord* standard =
      job.hasCurrentStandard() ? &job.standard(job.currentStandard) : nullptr;
  const MeasurementRecord* sample =
      hasCurrentSample(job) ? &job.sample(job.currentSample) : nullptr;
  if (standard) {
    fillColumn(t.standard, LookupText(Text::Standard), kStandardGreen);
    for (int i = 0; i < kCurvePoints; ++i)
      t.standard.rows[std::size_t(i)] = valueText(*standard, i, accuracy);
  }
  if (sample) {
    fillColumn(t.sample, LookupText(Text::Sample), kSampleBlue);
    for (int i = 0; i < kCurvePoints; ++i)
      t.sample.rows[std::size_t(i)] = valueText(*sample, i, accuracy);
  }
  if (standard && sample) {
    fillColumn(t.difference, " Δ", kDifferenceMagenta);
    for (int i = 0; i < kCurvePoints; ++i) {
      const std::size_t k = std::size_t(i);
      t.difference.rows[k] =
          standard->UseReflect && sample->UseReflect
              ? formatWide6((sample->reflectance[k] - standard->reflectance[k]) * 100.0f, accuracy)
              : "--";
    }
  }
  return t;
}

SpectralPlot::SpectralPlot() : model_(*this) {}

void SpectralPlot::resize(int clientWidth, int clientHeight) {
  width_ = clientWidth;
  height_ = clientHeight;
  layout();
}

void SpectralPlot::layout() {
  layout_ = spectralLayout(width_, height_, job_ ? job_->DataAccuracy : kDefaultAccuracy);
  model_.setArea(layout_.plot);
}

DrawList SpectralPlot::paint(const Rect& update, const TextWidth& textWidth) {
  DrawList out(update);
  out.fill(update, kPlotBackground);
  const Rect client{0, 0, width_, height_};
  if (isTooSmall(width_, height_)) {
    out.text(client, LookupText(Text::ControlTooSmall), AlignHCenter | AlignVCenter,
             {FontFace::UserInterface, 8, FontUnit::Points}, kPlotText);
    return out;
  }
  if (!job_) return out;
  const Job& job = *job_;
  const float fs = layout_.fontUnit;
  const int line = int(fs);

  const Font headingFont{FontFace::UserInterface, double(std::uint16_t(int(0.7f * fs))),
                         FontUnit::Points};
  const int headingY = int(0.16f * fs);
  const int half = width_ / 2;
  auto heading = [&](int x, Text label, const MeasurementRecord& record, std::uint32_t colour) {
    const std::string text = LookupText(label) + ": ";
    const int labelWidth = textWidth(text, headingFont);
    out.text({x, headingY, labelWidth, line}, text, AlignLeft, headingFont, kPlotText);
    out.text({x + labelWidth, headingY, half - labelWidth, line}, record.nameUtf8(),
             AlignLeft | AlignVCenter | ElideRight, headingFont, colour);
  };
  if (job.hasCurrentStandard())
    heading(2, Text::Standard, job.standard(job.currentStandard), kStandardGreen);
  if (hasCurrentSample(job))
    heading(half, Text::Sample, job.sample(job.currentSample), kSampleBlue);

  const Font tableFont{FontFace::UserInterface, double(std::uint16_t(line - 4)), FontUnit::Points};
  const unsigned cellFlags = AlignLeft | AlignVCenter | SingleLine;
  const SpectralTable table = spectralTable(job);
  auto column = [&](const SpectralColumn& c, const ColumnSpan& span) {
    if (!c.shown) return;
    // A heading wider than its column ("Standard" beside three decimals) is
    // cut with an ellipsis rather than clipped mid-letter or run into the next.
    out.text({span.x, int(2.5f * fs), span.width, line}, c.heading,
             AlignLeft | AlignVCenter | ElideRight, tableFont, kPlotText);
    for (int i = 0; i < kCurvePoints; ++i)
      out.text({span.x, int((float(i) + 3.5f) * fs), span.width, line}, c.rows[std::size_t(i)],
               cellFlags, tableFont, c.colours[std::size_t(i)]);
  };
  column(table.wavelength, layout_.wavelength);
  column(table.standard, layout_.standard);
  column(table.sample, layout_.sample);
  column(table.difference, layout_.difference);

  model_.currentSample = job.currentSample;
  model_.standardSeries = job.hasCurrentStandard();
  model_.draw(out);
  return out;
}

}  // namespace corvana::spectral
