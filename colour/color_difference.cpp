#include "colour/color_difference.h"

#include <cmath>

#include "colour/measurement_record.h"

namespace corvana {

namespace {
float radians(float degrees) { return degrees * kPi / 180.0f; }
double seventhPowerRatio(float c) {
  const double c2 = double(c) * c;
  const double c7 = c2 * c2 * c2 * c;
  return c7 / (c7 + 6103515625.0);  // 25^7
}
}  // namespace

// CIE 15:2004: ΔH*ab = 2 sqrt(C*1 C*2) sin(Δhab / 2).
float signedHueDifference(float a1, float b1, float C1, float a2, float b2, float C2) {
  // 2·√(C1·C2)·sin(Δh/2) with Δh wrapped into (−180°, 180°]. It equals
  // (a1·b2 − a2·b1)/√(½(C1·C2 + a1·a2 + b1·b2)) wherever that is defined, and
  // stays exact for neutral colours and near-opposite hues, where the quotient
  // is 0/0 or loses its digits. |2·sin(Δh/2)| is the distance between the two
  // unit hue vectors, which double precision gives to ~1e-16 at any angle.
  if (C1 == 0.0f || C2 == 0.0f) return 0.0f;
  const double r1 = std::sqrt(double(a1) * a1 + double(b1) * b1);
  const double r2 = std::sqrt(double(a2) * a2 + double(b2) * b2);
  if (r1 == 0.0 || r2 == 0.0) return 0.0f;
  const double du = double(a2) / r2 - double(a1) / r1;
  const double dv = double(b2) / r2 - double(b1) / r1;
  const double chord = std::sqrt(du * du + dv * dv);  // 2·|sin(Δh/2)|
  const double cross = double(a1) * b2 - double(a2) * b1;
  // Exactly opposite hues (cross 0) count as +180°.
  const double sign = cross < 0.0 ? -1.0 : 1.0;
  return float(sign * std::sqrt(double(C1) * double(C2)) * chord);
}

// CIE 15:2004: ΔE*ab = sqrt(ΔL*^2 + Δa*^2 + Δb*^2).
float cie1976Difference(const Lab& t, const Lab& s) {
  const float dL = s.L - t.L, da = s.a - t.a, db = s.b - t.b;
  return std::sqrt(da * da + dL * dL + db * db);
}

// CIEDE2000 (CIE 142-2001; Sharma, Wu, Dalal 2005): the mean hue.
float cie2000MeanHue(float ht, float hs) {
  // A difference of exactly 180° averages directly.
  if (std::fabs(ht - hs) <= 180.0f) return (ht + hs) / 2.0f;
  if (ht + hs < 360.0f) return (ht + hs + 360.0f) / 2.0f;
  return (ht + hs - 360.0f) / 2.0f;
}

// CMC(l:c) (Clarke, McDonald, Rigg 1984; BS 6923 / ISO 105-J03): T.
float cmcHueWeight(float ht) {
  // Strict on both sides: 164° and 345° take the second branch.
  if (ht > 164.0f && ht < 345.0f) return 0.56f + std::fabs(0.2f * std::cos(radians(ht + 168.0f)));
  return 0.36f + std::fabs(0.4f * std::cos(radians(ht + 35.0f)));
}

// CIE 116-1995: ΔE*94.
WeightedDifference cie94Difference(const Lab& t, const Lab& s, const ParametricFactors& k) {
  const float dL = s.L - t.L, dC = s.C - t.C;
  const float dH = signedHueDifference(t.a, t.b, t.C, s.a, s.b, s.C);
  const float SC = 1.0f + 0.045f * t.C;
  const float SH = 1.0f + 0.015f * t.C;
  WeightedDifference d;
  d.chroma = dC / (k.kC * SC);
  d.hue = dH / (k.kH * SH);
  const double l = dL / k.kL, c = d.chroma, h = d.hue;
  d.total = float(std::sqrt(l * l + c * c + h * h));
  return d;
}

// CIEDE2000 (CIE 142-2001; Sharma, Wu, Dalal 2005).
WeightedDifference cie2000Difference(const Lab& t, const Lab& s, const ParametricFactors& k) {
  const float meanC = (t.C + s.C) / 2.0f;
  const float G = float(0.5 * (1.0 - std::sqrt(seventhPowerRatio(meanC))));
  const float at = (1.0f + G) * t.a, as = (1.0f + G) * s.a;
  const float Ct = std::sqrt(at * at + t.b * t.b), Cs = std::sqrt(as * as + s.b * s.b);
  const float ht = hueAngle(at, t.b), hs = hueAngle(as, s.b);
  const float dL = s.L - t.L;
  const float dC = Cs - Ct;
  const float dH = signedHueDifference(at, t.b, Ct, as, s.b, Cs);
  const float meanH = cie2000MeanHue(ht, hs);
  const float meanL = (t.L + s.L) / 2.0f;
  const float meanCp = (Ct + Cs) / 2.0f;
  const float H = radians(meanH);
  const float T = 1.0f - 0.17f * std::cos(H - 0.5235987f) + 0.24f * std::cos(2.0f * H) +
                  0.32f * std::cos(3.0f * H + 0.10471976f) -
                  0.20f * std::cos(4.0f * H - 1.0995574f);
  const float q = (meanH - 275.0f) / 25.0f;
  const float dTheta = 30.0f * std::pow(2.7182817f, -(q * q));
  const float RC = float(2.0 * std::sqrt(seventhPowerRatio(meanCp)));
  const float l50 = (meanL - 50.0f) * (meanL - 50.0f);
  const float SL = 1.0f + 0.015f * l50 / std::sqrt(20.0f + l50);
  const float SC = 1.0f + 0.045f * meanCp;
  const float SH = 1.0f + 0.015f * meanCp * T;
  const float RT = -std::sin(radians(2.0f * dTheta)) * RC;
  WeightedDifference d;
  d.chroma = dC / (k.kC * SC);
  d.hue = dH / (k.kH * SH);
  const float lightness = dL / (k.kL * SL);
  d.total = std::sqrt(lightness * lightness + d.chroma * d.chroma + d.hue * d.hue +
                      RT * d.chroma * d.hue);
  return d;
}

// CMC(l:c) (Clarke, McDonald, Rigg 1984; BS 6923 / ISO 105-J03).
WeightedDifference cmcDifference(const Lab& t, const Lab& s, const ParametricFactors& k) {
  const float l = k.kL, c = k.kC;
  const float dL = s.L - t.L, dC = s.C - t.C;
  const float dH = signedHueDifference(t.a, t.b, t.C, s.a, s.b, s.C);
  const float SL = t.L < 16.0f ? 0.511f : 0.040975f * t.L / (1.0f + 0.01765f * t.L);
  const float SC = 0.0638f * t.C / (1.0f + 0.0131f * t.C) + 0.638f;
  const double c4 = double(t.C) * t.C * t.C * t.C;
  const float F = float(std::sqrt(c4 / (c4 + 1900.0)));
  const float T = cmcHueWeight(t.h);
  const float SH = SC * (F * T + 1.0f - F);
  WeightedDifference d;
  d.chroma = dC / (c * SC);
  d.hue = dH / SH;
  const double lt = dL / (l * SL), ct = d.chroma, ht = d.hue;
  d.total = float(std::sqrt(lt * lt + ct * ct + ht * ht));
  return d;
}

void computeDifferences(const MeasurementRecord& standard, const MeasurementRecord& sample,
                        const ColorValues& tv, const ColorValues& sv, ColorSpace space,
                        ColorFormula formula, Condition condition,
                        const MetamericConditions& metameric, ColorDifferences& d,
                        const ParametricFactors& k) {
  const std::optional<Lab> t = recordLab(standard, condition);
  const std::optional<Lab> s = t ? recordLab(sample, condition) : std::nullopt;
  computeDifferencesFromLab(standard, sample, t, s, tv, sv, space, formula, condition.illuminant,
                            metameric, d, k);
}

void computeDifferencesFromLab(const MeasurementRecord& standard, const MeasurementRecord& sample,
                               const std::optional<Lab>& standardLab,
                               const std::optional<Lab>& sampleLab, const ColorValues& tv,
                               const ColorValues& sv, ColorSpace space, ColorFormula formula,
                               Illuminant illuminant, const MetamericConditions& metameric,
                               ColorDifferences& d, const ParametricFactors& k) {
  const int n = valueCount(space);
  for (int i = 0; i < n; ++i) d[i] = sv[i] - tv[i];
  if (space == CieLab) d[4] = signedHueDifference(tv[1], tv[2], tv[3], sv[1], sv[2], sv[3]);
  if (!standardLab || !sampleLab) return;
  const Lab& t = *standardLab;
  const Lab& s = *sampleLab;
  const float deltaE = cie1976Difference(t, s);
  const int p = formulaFirstSlot(space, formula);
  auto put = [&](const WeightedDifference& w) {
    d[p] = w.chroma;
    d[p + 1] = w.hue;
    d[p + 2] = w.total;
  };
  switch (formula) {
    case Cie1976: d[n] = deltaE; break;
    case Cie94: put(cie94Difference(t, s, k)); break;
    case Cie2000: put(cie2000Difference(t, s, k)); break;
    case Cmc: put(cmcDifference(t, s, k)); break;
    case ColorFastness: {
      const float dH = signedHueDifference(t.a, t.b, t.C, s.a, s.b, s.C);
      d[n] = deltaE;
      d[n + 1] = d[n + 2] = colourChangeDifference(t, s, s.L - t.L, dH);
      break;
    }
    case StainingFastness:
      d[n] = deltaE;
      d[n + 1] = d[n + 2] = stainingRating(deltaE, s.L - t.L, illuminant);
      break;
    case MetamericIndex:
      d[n] = deltaE;
      if (standard.UseReflect && sample.UseReflect)
        d[n + 1] = metamericIndex(standard, sample, metameric);
      break;
    case ColorStrength:
      d[n] = deltaE;
      d[n + 1] = strengthAtMaxAbsorption(standard.reflectance, sample.reflectance);
      d[n + 2] = strengthSumKS(standard.reflectance, sample.reflectance);
      break;
    default: break;
  }
}

}  // namespace corvana
