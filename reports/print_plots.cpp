#include "reports/print_plots.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "colour/cielab.h"
#include "core/job.h"
#include "core/job_judgement.h"
#include "core/language_table.h"
#include "core/number_text.h"
#include "plots/chroma_context.h"
#include "plots/chroma_scale.h"
#include "plots/spectral_spline.h"
#include "plots/xy_locus.h"

namespace corvana {

using spectral::Point;
using spectral::Rect;

std::string fullScaleText(const Job& job) {
  return fillPlaceholders(
      "%s: %6.2f",
      {LookupText(Text::FullScale), double(corvana::fullScaleOf(job.colorSpace, job.toleranceB))});
}

namespace {

constexpr unsigned kCentred =
    spectral::AlignHCenter | spectral::AlignVCenter | spectral::SingleLine;
constexpr unsigned kLeft = spectral::AlignLeft | spectral::AlignVCenter | spectral::SingleLine;
constexpr unsigned kRight = spectral::AlignVCenter | spectral::SingleLine;

float fullScaleOf(const Job& job) { return corvana::fullScaleOf(job.colorSpace, job.toleranceB); }

const ToleranceSet& tolerance(const Job& job, int entry) {
  return job.toleranceB[toleranceIndex(0, entry)];
}

// The current sample's difference k under slot 0, when it has one to show.
std::optional<float> currentDifference(const Job& job, int k) {
  const int s = job.currentSample;
  if (!job.hasCurrentStandard() || s < 0 || s >= job.sampleCount() || !isJudgeable(job, s, 0))
    return std::nullopt;
  const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[0]);
  if (!entry || k < 0 || k >= kDifferenceArrays) return std::nullopt;
  const auto& column = entry->sampleDifferences[std::size_t(k)];
  if (std::size_t(s) >= column.size() || !hasPosition(column[std::size_t(s)])) return std::nullopt;
  return column[std::size_t(s)];
}

void cross(spectral::DrawList& list, int x, int y, int m, std::uint32_t argb) {
  list.line({x - m, y}, {x + m, y}, argb);
  list.line({x, y - m}, {x, y + m}, argb);
}

// The box scaled about its centre by the quotiety, as the pane does.
Rect scaledBox(const Rect& box, float q) {
  const double cx = box.x + box.width / 2.0, cy = box.y + box.height / 2.0;
  return {int(cx - box.width / 2.0 * q), int(cy - box.height / 2.0 * q), int(box.width * q),
          int(box.height * q)};
}

std::string signedLabel(const char* sign, int labelRow) {
  return std::string(sign) + axisLabelText(labelRow);
}

}  // namespace

int printPlotBandHeight(const Job& job, int h) {
  return job.colorSpace == CieXyz ? 18 * h : 14 * h;
}

void addPrintDifferenceSquare(PrintPage& page, const Job& job, const PrintMetrics& metrics, int x,
                              int y) {
  const int h = metrics.h(), Q = 10 * h;
  const float fs = fullScaleOf(job);
  spectral::DrawList& list = page.list();
  list.text({x + h, y, Q, h}, fullScaleText(job), kCentred, printFont(h), kPrintBlack);
  const int x0 = x + h, y0 = y + 2 * h, c = Q / 2;
  list.frame({x0, y0, Q, Q}, kPrintBlack);
  const ToleranceSet &across = tolerance(job, 1), &up = tolerance(job, 2);
  const int l1 = limitOffset(across.lower, fs, Q), u1 = limitOffset(across.upper, fs, Q);
  const int l2 = limitOffset(up.lower, fs, Q), u2 = limitOffset(up.upper, fs, Q);
  const Rect box{x0 + c - l1, y0 + c - u2, l1 + u1, u2 + l2};
  list.frame(box, kPrintRed);
  list.frame(scaledBox(box, job.toleranceQuotiety), kPrintOlive);
  const int cx = x0 + c, cy = y0 + c;
  list.line({cx, cy}, {cx, y0}, kPrintOlive);
  list.line({cx, cy}, {cx, y0 + Q}, kPrintBlue);
  list.line({cx, cy}, {x0, cy}, kPrintGreen);
  list.line({cx, cy}, {x0 + Q, cy}, kPrintRed);
  const int labelHeight = int(1.5 * h);
  const spectral::Font font = printFont(h);
  const unsigned bottomLeft = spectral::AlignLeft | spectral::SingleLine;
  const unsigned bottomRight = spectral::SingleLine;
  const unsigned topLeft = spectral::AlignLeft | spectral::AlignTop | spectral::SingleLine;
  list.text({x0, cy - labelHeight, Q / 2, labelHeight}, signedLabel("-", across.componentLabel),
            bottomLeft, font, kPrintBlack);
  list.text({cx, cy - labelHeight, Q / 2, labelHeight}, signedLabel("+", across.componentLabel),
            bottomRight, font, kPrintBlack);
  list.text({cx + 1, y0 + 2, Q / 2, labelHeight}, signedLabel("+", up.componentLabel), topLeft,
            font, kPrintBlack);
  list.text({cx + 1, y0 + Q - labelHeight, Q / 2, labelHeight}, signedLabel("-", up.componentLabel),
            bottomLeft, font, kPrintBlack);
  const std::optional<float> d1 = currentDifference(job, 1), d2 = currentDifference(job, 2);
  if (d1 && d2) {
    const int mx = std::clamp(int(cx + differenceOffset(*d1, fs, Q)), x0, x0 + Q);
    const int my = std::clamp(int(cy - differenceOffset(*d2, fs, Q)), y0, y0 + Q);
    cross(list, mx, my, int(0.8 * h), kPrintBlue);
  }
  addPrintBarAndReflectance(page, job, metrics, x0 + Q + h + 3, y0, Q, 0);
}

void addPrintXyDiagram(PrintPage& page, const Job& job, const PrintMetrics& metrics, int x, int y) {
  const int m = metrics.h();
  const double t = 14.0 * m;
  const int u0 = x + m, top = y + 2 * m;
  const double yb = y + 2 * m + 0.9 * t;
  const auto map = [&](double cx, double cy) { return PlotPoint{u0 + t * cx, yb - t * cy}; };
  page.list().text({u0, y, int(t), m}, fullScaleText(job), kCentred, printFont(m), kPrintBlack);

  GradientPolygonPrimitive locus;
  for (const LocusPoint& p : spectralLocus()) {
    locus.points.push_back(map(p.x, p.y));
    locus.colors.push_back(p.color);
  }
  locus.center = map(1.0 / 3, 1.0 / 3);
  page.primitives().push_back(std::move(locus));

  spectral::DrawList& grid = page.list();
  const spectral::Font gridFont = printFont(int(0.9 * m));
  for (int i = 0; i <= 45; ++i) {
    const int ly = int(yb - i * t / 50);
    grid.line({u0, ly}, {int(u0 + 0.8 * t), ly}, kPrintBlack);
    if (i % 5) continue;
    const std::string label = i == 45 ? "y" : i == 0 ? "0" : formatFixed(i * 0.02, 1);
    grid.text({u0 - 3 * m, ly - m / 2, 3 * m - m / 4, m}, label, kRight, gridFont, kPrintBlack);
  }
  for (int j = 0; j <= 40; ++j) {
    const int lx = int(u0 + j * t / 50);
    grid.line({lx, top}, {lx, int(yb)}, kPrintBlack);
    if (j % 5 || j == 0) continue;
    const std::string label = j == 40 ? "x" : "0." + std::to_string(j / 5);
    grid.text({lx - 3 * m / 2, int(yb), 3 * m, m}, label, kCentred, gridFont, kPrintBlack);
  }

  PlotPrimitives& dots = page.primitives();
  for (const WavelengthMark& mark : wavelengthMarks()) {
    const PlotPoint p = map(mark.x, mark.y);
    dots.push_back(FilledEllipsePrimitive{{p.x - 4, p.y - 4, 8, 8}, 0xEB000000});
  }
  spectral::DrawList& list = page.list();
  const spectral::Font markFont = printFont(int(0.8 * m));
  for (const WavelengthMark& mark : wavelengthMarks()) {
    const PlotPoint p = map(mark.x, mark.y);
    // Box (length × m) wide, as the pane sizes it from its own unit.
    const int width = int(double(mark.label.size()) * m);
    Rect box{mark.align == MarkAlign::Left ? int(p.x + 2) : int(p.x) - width, int(p.y - m / 2.0),
             width, m};
    if (std::abs(mark.dx) > 0.1) box.x += int(m * mark.dx);
    if (std::abs(mark.dy) > 0.1) box.y += int(m * mark.dy);
    list.text(box, std::string(mark.label), mark.align == MarkAlign::Left ? kLeft : kRight,
              markFont, 0xEB000000);
  }

  const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[0]);
  const auto marker = [&](RecordList which, int record, std::uint32_t argb, int style) {
    if (!entry || record < 0 || record >= job.count(which)) return;
    if (!isEvaluable(job.records(which)[std::size_t(record)], job.condition(0))) return;
    const auto& values =
        which == RecordList::Standards ? entry->standardValues : entry->sampleValues;
    if (std::size_t(record) >= values[4].size()) return;
    const PlotPoint p = map(values[3][std::size_t(record)], values[4][std::size_t(record)]);
    const int half = int(0.25 * m), px = int(p.x), py = int(p.y);
    list.line({px - half, py - half}, {px + half, py + half}, argb, 3, style);
    list.line({px - half, py + half}, {px + half, py - half}, argb, 3, style);
  };
  marker(RecordList::Standards, job.currentStandard, kPrintStandardGreen, spectral::PenSolid);
  marker(RecordList::Samples, job.currentSample, kPrintSampleBlue, spectral::PenDot);

  addPrintBarAndReflectance(page, job, metrics, int(u0 + 0.8 * t + 3 + m), y + 2 * m, int(0.9 * t),
                            1);
}

void addPrintBarAndReflectance(PrintPage& page, const Job& job, const PrintMetrics& metrics, int x,
                               int y, int c, int component) {
  const int h = metrics.h(), u = metrics.u;
  const float fs = fullScaleOf(job);
  spectral::DrawList& list = page.list();
  const int xc = x + 3 * h, m = int(0.8 * h), ymid = y + c / 2;
  list.line({xc - m, y}, {xc + m, y}, kPrintBlack);
  list.line({xc - m, y + c}, {xc + m, y + c}, kPrintBlack);
  list.line({xc, y}, {xc, y + c}, kPrintBlack);
  list.line({xc - m, ymid}, {xc + m, ymid}, kPrintBlack);
  const ToleranceSet& limits = tolerance(job, 0);
  const int upper = limitOffset(limits.upper, fs, c), lower = limitOffset(limits.lower, fs, c);
  const float q = job.toleranceQuotiety;
  list.line({xc - m, ymid - upper}, {xc + m, ymid - upper}, kPrintRed);
  list.line({xc - m, ymid + lower}, {xc + m, ymid + lower}, kPrintRed);
  list.line({xc - m, ymid - int(upper * q)}, {xc + m, ymid - int(upper * q)}, kPrintOlive);
  list.line({xc - m, ymid + int(lower * q)}, {xc + m, ymid + int(lower * q)}, kPrintOlive);
  const spectral::Font font = printFont(h);
  const Rect labelTop{xc - 4 * h, y, 4 * h - u, h};
  list.text(labelTop, signedLabel("+", limits.componentLabel),
            spectral::AlignTop | spectral::SingleLine, font, kPrintBlack);
  list.text({labelTop.x, y + c - h, labelTop.width, h}, signedLabel("-", limits.componentLabel),
            spectral::SingleLine, font, kPrintBlack);
  if (const std::optional<float> d = currentDifference(job, component)) {
    const int ys = std::clamp(int(ymid - differenceOffset(*d, fs, c)), y, y + c);
    cross(list, xc + int(0.9 * h), ys, m, kPrintBlue);
  }

  // Reflectance panel: 400 to 700 nm across, 0 to 100 % up.
  const int xr = xc + 7 * h, bottom = y + c;
  for (int i = 0; i <= 6; ++i) {
    const int lx = xr + i * c / 6;
    list.line({lx, y}, {lx, bottom}, kPrintBlack);
    if (i % 2 == 0)
      list.text({lx - 2 * h, bottom, 4 * h, h}, std::to_string(400 + 50 * i), kCentred, font,
                kPrintBlack);
  }
  for (int i = 0; i <= 5; ++i) {
    const int ly = y + i * c / 5;
    list.line({xr, ly}, {xr + c, ly}, kPrintBlack);
    list.text({xr - 3 * h, ly - h / 2, 3 * h - u / 4, h}, std::to_string(100 - 20 * i), kRight,
              font, kPrintBlack);
  }
  const auto curve = [&](RecordList which, int record, std::uint32_t argb, int style) {
    if (record < 0 || record >= job.count(which)) return;
    const MeasurementRecord& r = job.records(which)[std::size_t(record)];
    if (!r.UseReflect) return;
    std::vector<Point> points;
    for (int j = 0; j < kCurvePoints; ++j)
      points.push_back({xr + j * c / 30, int(bottom - c * double(r.reflectance[std::size_t(j)]))});
    spectral::BezierChain chain = spectral::cardinalSpline(points, 0.5);
    chain.argb = argb;
    chain.style = style;
    list.bezier(std::move(chain));
  };
  curve(RecordList::Standards, job.currentStandard, kPrintStandardGreen, spectral::PenSolid);
  curve(RecordList::Samples, job.currentSample, kPrintSampleBlue, spectral::PenDot);
  const std::string legend =
      LookupText(Text::Standard) + ": ___ " + LookupText(Text::Sample) + ": ...";
  list.text({xr, y - 2 * h, c + 50, h}, legend, kLeft, font, kPrintBlack);
}

}  // namespace corvana
