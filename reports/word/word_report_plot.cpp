#include "reports/word/word_report_plot.h"

#include <algorithm>
#include <cmath>

#include "colour/cielab.h"
#include "core/job.h"
#include "core/language_table.h"
#include "plots/chroma_scale.h"
#include "reports/word_automation.h"

namespace corvana {
namespace {

using namespace word_plot;

// Points from the centre of a span for a limit or a difference: the span's
// half at the full scale. A full scale of 0 keeps 0 at the centre and puts
// anything else at the end of the span.
double offset(double value, float fullScale, double span) {
  if (!(fullScale > 0)) return value == 0 ? 0 : std::copysign(span / 2, value);
  return value * span / double(fullScale) * 0.5;
}

std::string toleranceLabel(const Job& job, int k) {
  const int row = job.toleranceB[std::size_t(toleranceIndex(0, k))].componentLabel;
  return row > 0 && row < kLanguageRows ? LookupText(Text(row)) : std::string();
}

const ToleranceSet& limit(const Job& job, int k) {
  return job.toleranceB[std::size_t(toleranceIndex(0, k))];
}

bool hasSample(const Job& job) {
  return job.currentSample >= 0 && job.currentSample < job.sampleCount() &&
         job.hasCurrentStandard();
}

// The current sample's difference k under the primary illuminant, if computed.
bool sampleDifference(const Job& job, int k, float& value) {
  const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[0]);
  if (!entry || !hasSample(job) || k < 0 || k >= kDifferenceArrays) return false;
  const std::vector<float>& column = entry->sampleDifferences[std::size_t(k)];
  if (std::size_t(job.currentSample) >= column.size()) return false;
  value = column[std::size_t(job.currentSample)];
  return value != kNoDifference && hasPosition(value);
}

bool cross(WordAutomation& doc, double x, double y, double m, unsigned color) {
  return doc.addLine(x - m, y, x + m, y, color, 1, 1) &&
         doc.addLine(x, y - m, x, y + m, color, 1, 1);
}

}  // namespace

bool drawDifferenceSquare(WordAutomation& doc, const Job& job, int shape, int labelTable) {
  const std::string across = toleranceLabel(job, 1), up = toleranceLabel(job, 2);
  if (!doc.setCell(labelTable, 3, 1, "-" + across) ||
      !doc.setCell(labelTable, 3, 3, "+" + across) || !doc.setCell(labelTable, 2, 2, "+" + up) ||
      !doc.setCell(labelTable, 4, 2, "-" + up))
    return false;
  const auto box = doc.shapeBox(shape);
  if (!box) return true;
  const double x = box->left, y = box->top, w = box->width, h = box->height;
  const double cx = x + w / 2, cy = y + h / 2;
  if (!doc.addLine(cx, cy, cx, y, kWarningYellow, 1, 1) ||
      !doc.addLine(cx, cy, cx, y + h, kSampleBlue, 1, 1) ||
      !doc.addLine(cx, cy, x, cy, kAxisGreen, 1, 1) ||
      !doc.addLine(cx, cy, x + w, cy, kToleranceRed, 1, 1))
    return false;
  const float fs = fullScaleOf(job.colorSpace, job.toleranceB);
  const double left = offset(std::fabs(limit(job, 1).lower), fs, w),
               right = offset(std::fabs(limit(job, 1).upper), fs, w),
               top = offset(std::fabs(limit(job, 2).upper), fs, w),
               bottom = offset(std::fabs(limit(job, 2).lower), fs, w);
  const double bx = cx - left, by = cy - top, bw = left + right, bh = top + bottom;
  if (!doc.addRectangle(bx, by, bw, bh, kToleranceRed)) return false;
  const double q = job.toleranceQuotiety, mx = bx + bw / 2, my = by + bh / 2;
  if (!doc.addRectangle(mx - bw / 2 * q, my - bh / 2 * q, bw * q, bh * q, kWarningYellow))
    return false;
  float d1 = 0, d2 = 0;
  if (sampleDifference(job, 1, d1) && sampleDifference(job, 2, d2)) {
    const double px = std::clamp(cx + offset(d1, fs, w), x, x + w);
    const double py = std::clamp(cy - offset(d2, fs, w), y, y + h);
    if (!cross(doc, px, py, 4, kSampleBlue)) return false;
  }
  return true;
}

bool drawXyMarkers(WordAutomation& doc, const Job& job, int shape) {
  const auto box = doc.shapeBox(shape);
  if (!box) return true;
  const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[0]);
  if (!entry) return true;
  const double m = box->width * 10 / 8, l = box->width * 9 / 8;
  auto marker = [&](const std::vector<float>& xs, const std::vector<float>& ys, int i,
                    const MeasurementRecord& record, unsigned color, int dash) {
    if (i < 0 || std::size_t(i) >= xs.size() || std::size_t(i) >= ys.size()) return true;
    if (!isEvaluable(record, job.condition(0))) return true;
    const double cx = xs[std::size_t(i)], cy = ys[std::size_t(i)];
    if (!std::isfinite(cx) || !std::isfinite(cy)) return true;
    const double px = box->left + m * cx, py = box->top + l - m * cy;
    return doc.addLine(px - 5, py - 5, px + 5, py + 5, color, dash, kMarkerWeight) &&
           doc.addLine(px - 5, py + 5, px + 5, py - 5, color, dash, kMarkerWeight);
  };
  // CIE XYZ values: X, Y, Z, then the chromaticity x and y.
  if (job.hasCurrentStandard() &&
      !marker(entry->standardValues[3], entry->standardValues[4], job.currentStandard,
              job.standard(job.currentStandard), kStandardGreen, 1))
    return false;
  if (job.currentSample >= 0 && job.currentSample < job.sampleCount() &&
      !marker(entry->sampleValues[3], entry->sampleValues[4], job.currentSample,
              job.sample(job.currentSample), kSampleBlue, 5))
    return false;
  return true;
}

bool drawComponentBar(WordAutomation& doc, const Job& job, int shape, int labelTable) {
  const std::string label = toleranceLabel(job, 0);
  if (!doc.setCell(labelTable, 3, 1, "+" + label) || !doc.setCell(labelTable, 4, 1, "-" + label))
    return false;
  const auto box = doc.shapeBox(shape);
  if (!box) return true;
  if (!doc.setShapeOutline(shape, kWhite)) return false;
  const double y = box->top, h = box->height, xc = box->left + box->width / 2;
  const double m = std::min(box->width / 2, 10.0), ymid = y + h / 2;
  if (!doc.addLine(xc - m, y, xc + m, y, kBlack, 1, 1) ||
      !doc.addLine(xc - m, y + h, xc + m, y + h, kBlack, 1, 1) ||
      !doc.addLine(xc, y, xc, y + h, kBlack, 1, 1) ||
      !doc.addLine(xc - m, ymid, xc + m, ymid, kBlack, 1, 1))
    return false;
  const float fs = fullScaleOf(job.colorSpace, job.toleranceB);
  const double up = offset(std::fabs(limit(job, 0).upper), fs, h),
               down = offset(std::fabs(limit(job, 0).lower), fs, h), q = job.toleranceQuotiety;
  for (auto [dy, color] : {std::pair{-up, kToleranceRed}, std::pair{down, kToleranceRed},
                           std::pair{-up * q, kWarningYellow}, std::pair{down * q, kWarningYellow}})
    if (!doc.addLine(xc - m, ymid + dy, xc + m, ymid + dy, color, 1, 1)) return false;
  float d = 0;
  if (sampleDifference(job, 0, d)) {
    const double ys = std::clamp(ymid - offset(d, fs, h), y, y + h);
    if (!cross(doc, xc, ys, 4, kSampleBlue)) return false;
  }
  return true;
}

bool drawReflectancePanel(WordAutomation& doc, const Job& job, int shape, int legendTable) {
  const std::string legend =
      LookupText(Text::Standard) + ": ___ " + LookupText(Text::Sample) + ": ...";
  if (!doc.setCell(legendTable, 1, 1, legend, WordAlignCenter)) return false;
  const auto box = doc.shapeBox(shape);
  if (!box) return true;
  const double x = box->left, y = box->top, w = box->width, c = box->height;
  for (int i = 0; i <= 6; ++i)
    if (!doc.addLine(x + w * i / 6, y, x + w * i / 6, y + c, kBlack, 1, 1)) return false;
  for (int i = 0; i <= 5; ++i)
    if (!doc.addLine(x, y + c * i / 5, x + w, y + c * i / 5, kBlack, 1, 1)) return false;
  auto curve = [&](const MeasurementRecord& record, unsigned color, int dash) {
    if (!record.UseReflect) return true;
    auto point = [&](int j, double& px, double& py) {
      const double r = std::clamp(double(record.reflectance[std::size_t(j)]), 0.0, 1.0);
      px = x + j * w / 30;
      py = y + c - c * (std::isfinite(r) ? r : 0.0);
    };
    double x0, y0, x1, y1;
    point(0, x0, y0);
    for (int j = 1; j < kCurvePoints; ++j, x0 = x1, y0 = y1) {
      point(j, x1, y1);
      if (!doc.addLine(x0, y0, x1, y1, color, dash, 1)) return false;
    }
    return true;
  };
  if (job.hasCurrentStandard() && !curve(job.standard(job.currentStandard), kStandardGreen, 1))
    return false;
  if (job.currentSample >= 0 && job.currentSample < job.sampleCount() &&
      !curve(job.sample(job.currentSample), kSampleBlue, 5))
    return false;
  return true;
}

}  // namespace corvana
