#pragma once
// The reflectance pane of the job window: the names of the current standard
// and sample, their reflectance at every 10 nm with the difference, and the
// curves of the standard and of every sample. Sizes follow the window height.
#include <array>
#include <cstdint>
#include <string>

#include "colour/spectral.h"
#include "plots/logical_wavelength_reflectance.h"
#include "plots/spectral_primitives.h"

namespace corvana {
class Job;
}

namespace corvana::spectral {

// Below this client size the pane shows only a message.
constexpr int kMinimumPaneWidth = 320, kMinimumPaneHeight = 150;
bool isTooSmall(int clientWidth, int clientHeight);

struct ColumnSpan {
  int x = 0, width = 0;
  friend bool operator==(const ColumnSpan&, const ColumnSpan&) = default;
};

struct SpectralLayout {
  float fontUnit = 0;  // Fs, the table's line height
  ColumnSpan wavelength, standard, sample, difference;
  Rect plot;
};

// Fs = client height / 34.5 and the table columns and plot area from it;
// `accuracy` is the job's number of decimals.
SpectralLayout spectralLayout(int clientWidth, int clientHeight, int accuracy);

// One table column: its heading and a text and colour per wavelength row.
// A column that is not shown has no texts at all.
struct SpectralColumn {
  bool shown = false;
  std::string heading;
  std::array<std::string, kCurvePoints> rows;
  std::array<std::uint32_t, kCurvePoints> colours{};
};

struct SpectralTable {
  SpectralColumn wavelength, standard, sample, difference;
};

SpectralTable spectralTable(const Job& job);

class SpectralPlot {
 public:
  SpectralPlot();
  SpectralPlot(const SpectralPlot&) = delete;
  SpectralPlot& operator=(const SpectralPlot&) = delete;

  // Not owned; the job window sets it, then calls layout().
  void setJob(const Job* job) { job_ = job; }
  const Job* job() const { return job_; }

  // Fs from the new height, then the layout.
  void resize(int clientWidth, int clientHeight);
  void layout();

  const SpectralLayout& currentLayout() const { return layout_; }
  const LogicalWavelengthReflectance& model() const { return model_; }

  // What a paint with this update rectangle draws.
  DrawList paint(const Rect& update, const TextWidth& textWidth);

 private:
  const Job* job_ = nullptr;
  int width_ = 0, height_ = 0;
  SpectralLayout layout_;
  LogicalWavelengthReflectance model_;
};

}  // namespace corvana::spectral
