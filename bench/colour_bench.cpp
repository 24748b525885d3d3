// Throughput of the colour core; run build/bench/colour_bench.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "colour/color_difference.h"
#include "colour/color_values.h"
#include "colour/measurement_record.h"
#include "colour/tristimulus.h"

namespace corvana {
namespace {

constexpr Condition kD65Ten{D65, Observer10};

std::vector<MeasurementRecord> records(int count) {
  std::mt19937 rng(1);
  std::uniform_real_distribution<float> centre(450, 650), level(0.05f, 0.8f);
  std::vector<MeasurementRecord> out(static_cast<std::size_t>(count));
  for (auto& r : out) {
    const float c = centre(rng), l = level(rng);
    for (int i = 0; i < kCurvePoints; ++i)
      r.reflectance[std::size_t(i)] =
          0.03f + l / (1.0f + std::exp(-(float(wavelengthOf(i)) - c) / 15.0f));
    r.UseReflect = true;
  }
  return out;
}

void tristimulus(benchmark::State& state, Illuminant illuminant) {
  const auto rs = records(1024);
  std::size_t i = 0;
  for (auto _ : state) {
    const std::optional<Xyz> t =
        computeTristimulus(rs[i++ & 1023].reflectance, {illuminant, Observer10});
    benchmark::DoNotOptimize(t);
  }
  state.SetItemsProcessed(state.iterations());
}
void BM_Tristimulus10nm(benchmark::State& s) { tristimulus(s, D65); }
void BM_Tristimulus5nmSpline(benchmark::State& s) { tristimulus(s, F1); }
BENCHMARK(BM_Tristimulus10nm);
BENCHMARK(BM_Tristimulus5nmSpline);

// Two records with curves: CIELAB of both from their curves, then CIE 2000.
void BM_Cie2000OfTwoRecords(benchmark::State& state) {
  const auto rs = records(1024);
  std::size_t i = 0;
  for (auto _ : state) {
    const std::optional<Lab> t = recordLab(rs[i & 1023], kD65Ten);
    const std::optional<Lab> s = recordLab(rs[(i + 1) & 1023], kD65Ten);
    benchmark::DoNotOptimize(cie2000Difference(*t, *s, ParametricFactors{}));
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Cie2000OfTwoRecords);

void BM_Cie2000FromLab(benchmark::State& state) {
  const Lab t{50, 20, 10, std::hypot(20.0f, 10.0f), hueAngle(20, 10)};
  Lab s{51, 21, 9, std::hypot(21.0f, 9.0f), hueAngle(21, 9)};
  for (auto _ : state) {
    benchmark::DoNotOptimize(s);
    benchmark::DoNotOptimize(cie2000Difference(t, s, ParametricFactors{}));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Cie2000FromLab);

// What the value table does for one sample under one illuminant.
void BM_SampleValuesAndDifferences(benchmark::State& state) {
  const auto rs = records(1024);
  const MeasurementRecord& standard = rs[0];
  const ColorValues tv = computeColorValues(standard, CieLab, kD65Ten)->values;
  const MetamericConditions metameric;
  std::size_t i = 0;
  for (auto _ : state) {
    const MeasurementRecord& sample = rs[i++ & 1023];
    const ColorValues sv = computeColorValues(sample, CieLab, kD65Ten)->values;
    ColorDifferences d;
    d.fill(-2000.0f);
    computeDifferences(standard, sample, tv, sv, CieLab, Cie2000, kD65Ten, metameric, d,
                       ParametricFactors{});
    benchmark::DoNotOptimize(d);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SampleValuesAndDifferences);

}  // namespace
}  // namespace corvana

namespace corvana {
namespace {
void BM_XyzToLab(benchmark::State& state) {
  Xyz xyz{40, 42, 30};
  for (auto _ : state) {
    benchmark::DoNotOptimize(xyz);
    benchmark::DoNotOptimize(xyzToLab(xyz, WhitePoint{94.81f, 100, 107.32f}));
  }
}
BENCHMARK(BM_XyzToLab);
void BM_DisplayColor(benchmark::State& state) {
  float L = 50, a = 20, b = 10;
  for (auto _ : state) {
    benchmark::DoNotOptimize(L);
    benchmark::DoNotOptimize(labToDisplayColor(L, a, b));
  }
}
BENCHMARK(BM_DisplayColor);
}  // namespace
}  // namespace corvana

namespace corvana {
namespace {
// The value table's path: the standard's CIELAB is held once per illuminant,
// the sample's comes with its values.
void BM_SampleValuesAndDifferencesCachedStandard(benchmark::State& state) {
  const auto rs = records(1024);
  const MeasurementRecord& standard = rs[0];
  const ColorValues tv = computeColorValues(standard, CieLab, kD65Ten)->values;
  const std::optional<Lab> t = recordLab(standard, kD65Ten);
  const MetamericConditions metameric;
  std::size_t i = 0;
  for (auto _ : state) {
    const MeasurementRecord& sample = rs[i++ & 1023];
    const ColorValues sv = computeColorValues(sample, CieLab, kD65Ten)->values;
    const std::optional<Lab> s = recordLab(sample, kD65Ten);
    ColorDifferences d;
    d.fill(-2000.0f);
    computeDifferencesFromLab(standard, sample, t, s, tv, sv, CieLab, Cie2000, D65, metameric, d,
                              ParametricFactors{});
    benchmark::DoNotOptimize(d);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SampleValuesAndDifferencesCachedStandard);
}  // namespace
}  // namespace corvana
