#include "colour/white_point.h"

#include "colour/spectral.h"

namespace corvana {

namespace {
// Xn and Zn for the 2° and 10° observers, by illuminant code; Yn is 100.
struct StoredWhite {
  float x2, z2, x10, z10;
};
constexpr StoredWhite kWhites[kIlluminantCount] = {
    {95.04f, 108.88f, 94.81f, 107.32f},          // D65
    {96.42f, 82.51f, 96.72f, 81.43f},            // D50
    {109.85f, 35.58f, 111.14f, 35.20f},          // A
    {98.07f, 118.22f, 97.29f, 116.14f},          // C
    {95.68f, 92.14f, 95.80f, 90.93f},            // D55
    {94.97f, 122.61f, 94.42f, 120.64f},          // D75
    {99.185f, 67.391f, 103.28f, 69.023f},        // F2
    {95.042f, 108.747f, 95.793f, 107.688f},      // F7
    {100.964f, 64.358f, 103.866f, 65.629f},      // F11
    {92.8675f, 103.7747f, 94.8163f, 103.2556f},  // F1
    {103.7991f, 49.9326f, 109.0102f, 52.0016f},  // F3
    {109.2015f, 38.8816f, 115.0132f, 40.9996f},  // F4
    {90.9018f, 98.8183f, 93.3912f, 98.6931f},    // F5
    {97.3425f, 60.2606f, 102.1803f, 62.1091f},   // F6
    {96.4274f, 82.4211f, 97.1191f, 81.1865f},    // F8
    {100.3797f, 67.9440f, 102.1254f, 67.8660f},  // F9
    {96.3847f, 82.3547f, 98.9576f, 83.2864f},    // F10
    {108.1168f, 39.2763f, 111.4828f, 40.3677f},  // F12
};
}  // namespace

std::optional<WhitePoint> whitePointOf(Condition condition) {
  if (!isValid(condition)) return std::nullopt;
  const StoredWhite& w = kWhites[condition.illuminant];
  const bool two = condition.observer == Observer2;
  return WhitePoint{two ? w.x2 : w.x10, 100.0f, two ? w.z2 : w.z10};
}

}  // namespace corvana
