#include "plots/xy_diagram.h"

#include <cstdio>

#include "colour/cielab.h"
#include "core/job.h"
#include "plots/chroma_colors.h"
#include "plots/chroma_component_bar.h"
#include "plots/chroma_layout.h"
#include "plots/xy_locus.h"

namespace corvana {

XyDiagramGeometry xyDiagramGeometry(const ChromaContext& context) {
  const double F = context.layout.F, S = context.layout.plotSide;
  XyDiagramGeometry g;
  g.side = S;
  g.left = (0.72 * F + context.firstGroupWidth() + 5 + context.width - context.layout.barWidth -
            0.8 * S) *
           0.5;
  g.top = (context.height + 3.2 * F - 2 * F - 0.9 * S) * 0.5;
  g.bottom = g.top + 0.9 * S;
  return g;
}

namespace {

std::string gridNumber(double value) {
  char text[16];
  std::snprintf(text, sizeof text, "%2.1f", value);
  return text;
}

void addLocus(const XyDiagramGeometry& g, PlotPrimitives& out) {
  GradientPolygonPrimitive locus;
  for (const LocusPoint& p : spectralLocus()) {
    locus.points.push_back(g.map(p.x, p.y));
    locus.colors.push_back(p.color);
  }
  locus.center = g.map(1.0 / 3, 1.0 / 3);
  locus.centerColor = 0xFFFFFFFF;
  locus.antialiased = false;
  out.push_back(std::move(locus));
}

void addGrid(const XyDiagramGeometry& g, float F, PlotPrimitives& out) {
  const double S = g.side, step = S / 50, right = g.left + 0.8 * S;
  for (int i = 0; i <= 45; ++i) {
    LinePrimitive l = line(g.left, g.bottom - i * step, right, g.bottom - i * step,
                           i % 5 == 0 ? chroma::kGridMajor : chroma::kGridMinor);
    l.antialiased = false;
    out.push_back(l);
  }
  for (int j = 0; j <= 40; ++j) {
    LinePrimitive l = line(g.left + j * step, g.top, g.left + j * step, g.bottom,
                           j % 5 == 0 ? chroma::kGridMajor : chroma::kGridMinor);
    l.antialiased = false;
    out.push_back(l);
  }
  const int labelWidth = std::uint16_t(int(3 * F)), labelHeight = int(F);
  for (int i = 0; i <= 45; i += 5) {
    const double y = g.bottom - i * step;
    if (i == 45) {
      out.push_back(textBox({g.left - labelWidth, y, double(labelWidth), double(labelHeight)}, "y",
                            AlignVCenter, FontRole::GridLabel, F, chroma::kAxisName));
    } else {
      out.push_back(
          textBox({g.left - labelWidth, y - F / 3.0, double(labelWidth), double(labelHeight)},
                  gridNumber(i * 0.02), AlignVCenter, FontRole::GridLabel, F, chroma::kGridMajor));
    }
  }
  for (int j = 5; j <= 40; j += 5) {
    const double x = g.left + j * step;
    if (j == 40) {
      out.push_back(textBox({x - F + 3, g.bottom, double(int(F)), double(labelHeight)}, "x",
                            AlignHCenter | AlignVCenter, FontRole::GridLabel, F,
                            chroma::kAxisName));
    } else {
      out.push_back(textBox({x - labelWidth / 2, g.bottom, double(labelWidth), double(labelHeight)},
                            gridNumber(j * 0.02), AlignHCenter | AlignVCenter, FontRole::GridLabel,
                            F, chroma::kGridMajor));
    }
  }
}

void addWavelengthMarks(const XyDiagramGeometry& g, float F, PlotPrimitives& out) {
  for (const WavelengthMark& mark : wavelengthMarks()) {
    const PlotPoint p = g.map(mark.x, mark.y);
    out.push_back(FilledEllipsePrimitive{{p.x - 2.5, p.y - 2.5, 5, 5}, chroma::kWavelengthMark});
    const double width = int(double(mark.label.size()) * F);
    PlotBox box{0, double(int(p.y - F / 2)), width, double(int(F))};
    unsigned flags = AlignVCenter | SingleLine;
    if (mark.align == MarkAlign::Left) {
      box.x = int(p.x + 2);
      flags |= AlignLeft;
    } else {
      box.x = p.x - width;
    }
    if (std::abs(mark.dx) > 0.1) box.x += int(F * mark.dx);
    if (std::abs(mark.dy) > 0.1) box.y += int(F * mark.dy);
    out.push_back(textBox(box, std::string(mark.label), flags, FontRole::WavelengthLabel, F,
                          chroma::kWavelengthMark));
  }
}

// An oblique cross: the diagonals of a square of half size 0.25 F.
void addObliqueCross(PlotPrimitives& out, PlotPoint p, double half, std::uint32_t color) {
  out.push_back(line(p.x - half, p.y - half, p.x + half, p.y + half, color, 1.6));
  out.push_back(line(p.x - half, p.y + half, p.x + half, p.y - half, color, 1.6));
}

void addRecords(const ChromaContext& context, const XyDiagramGeometry& g, PlotPrimitives& out) {
  const Job& job = context.job;
  const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[0]);
  if (!entry) return;
  const Condition condition = job.condition(0);
  const double half = 0.25 * context.layout.F;
  auto value = [](const std::vector<float>& column, int i) {
    return i >= 0 && std::size_t(i) < column.size() ? double(column[std::size_t(i)]) : 0.0;
  };
  const auto& samples = entry->sampleValues;
  for (int i = 0; i < job.sampleCount(); ++i)
    if (isEvaluable(job.sample(i), condition))
      addObliqueCross(out, g.map(value(samples[3], i), value(samples[4], i)), half,
                      chroma::kOtherSamplesGrey);
  const int s = job.currentStandard, p = job.currentSample;
  if (job.hasCurrentStandard() && isEvaluable(job.standard(s), condition))
    addObliqueCross(out,
                    g.map(value(entry->standardValues[3], s), value(entry->standardValues[4], s)),
                    half, chroma::kStandardGreen);
  if (hasCurrentSample(job) && isEvaluable(job.sample(p), condition))
    addObliqueCross(out, g.map(value(samples[3], p), value(samples[4], p)), half,
                    chroma::kSampleBlue);
}

}  // namespace

void addXyDiagram(const ChromaContext& context, PlotPrimitives& out) {
  const float F = context.layout.F;
  const XyDiagramGeometry g = xyDiagramGeometry(context);
  addLocus(g, out);
  addGrid(g, F, out);
  addWavelengthMarks(g, F, out);
  addRecords(context, g, out);
  addComponentBar(context, {0.8 * g.side + g.left + 3, g.top, 0.9 * g.side, 1, 0}, out);
}

}  // namespace corvana
