#pragma once
// The job's cache of colour values, differences and display colours of every
// record under each of its three illuminant slots. Lists, plots and reports
// read it by record position; none of them computes colour itself.
#include <array>
#include <cstdint>
#include <vector>

#include <optional>

#include "colour/cielab.h"
#include "colour/color_space.h"
#include "colour/spectral.h"
#include "core/language_table.h"

namespace corvana {

class Job;
struct MeasurementRecord;

constexpr float kNoColorValue = 0.0f;      // a record not usable under the slot
constexpr float kNoDifference = -2000.0f;  // a difference not computed
constexpr int kValueArrays = 8;
constexpr int kDifferenceArrays = 9;

struct IlluminantColorValues {
  Illuminant illuminant = D65;
  std::array<std::vector<float>, kValueArrays> sampleValues;
  std::array<std::vector<float>, kValueArrays> standardValues;
  std::array<std::vector<float>, kDifferenceArrays> sampleDifferences;
  std::vector<std::uint32_t> sampleColors;
  std::vector<std::uint32_t> standardColors;
};

class ColorValueTable {
 public:
  explicit ColorValueTable(const Job& job) : job_(job) {}
  ColorValueTable(const ColorValueTable&) = delete;
  ColorValueTable& operator=(const ColorValueTable&) = delete;

  std::vector<IlluminantColorValues> entries;  // 0 or 3, in slot order
  std::vector<Text> componentLabels;           // of the value slots
  std::vector<Text> differenceLabels;

  void rebuild();
  void recomputeAll();
  void resizeStandards(int count);
  void resizeSamples(int count);
  void computeStandard(const MeasurementRecord& record, int position);
  void computeSample(const MeasurementRecord& record, int position);
  // Positions sorted descending; out-of-range positions are skipped.
  void removeSamples(const std::vector<int>& positions);
  void removeStandards(const std::vector<int>& positions);
  // Every sample again, against the (new) current standard.
  void recomputeSamples();

  // The entry of an illuminant, or null.
  const IlluminantColorValues* entryFor(Illuminant illuminant) const;

  int valueArrayCount() const;       // C
  int differenceArrayCount() const;  // D

 private:
  // The current standard's CIELAB under the entry's condition; empty when
  // there is none or it is not usable there.
  std::optional<Lab> currentStandardLab(const IlluminantColorValues& entry) const;
  void computeSampleIn(IlluminantColorValues& entry, const std::optional<Lab>& standard,
                       const MeasurementRecord& record, int position);

  const Job& job_;
};

}  // namespace corvana
