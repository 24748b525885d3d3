#pragma once
// Reading what a plot drew: the primitives of one kind, a text by its
// content, a painter that measures every byte 6 pixels wide.
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "colour/measurement_record.h"
#include "plots/spectral_primitives.h"

namespace corvana::spectral {

// Readable failure messages for the geometry values.
inline void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const PointF& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "(" << r.x << ", " << r.y << ", " << r.width << " x " << r.height << ")";
}

}  // namespace corvana::spectral

namespace corvana::spectral::testing {

template <class T>
std::vector<T> itemsOf(const DrawList& list) {
  std::vector<T> out;
  for (const Primitive& p : list.items())
    if (const T* item = std::get_if<T>(&p)) out.push_back(*item);
  return out;
}

inline std::vector<TextBox> textsNamed(const DrawList& list, std::string_view text) {
  std::vector<TextBox> out;
  for (const TextBox& t : itemsOf<TextBox>(list))
    if (t.text == text) out.push_back(t);
  return out;
}

inline TextWidth sixPixelsPerByte() {
  return [](std::string_view text, const Font&) { return int(6 * text.size()); };
}

// A record whose 31 reflectances all hold `value`.
inline MeasurementRecord flatCurve(const std::string& name, float value) {
  MeasurementRecord r;
  r.setName(name);
  r.reflectance.fill(value);
  r.UseReflect = true;
  return r;
}

// A record with colorimetric values only, as typed in by hand.
inline MeasurementRecord withoutCurve(const std::string& name) {
  MeasurementRecord r;
  r.setName(name);
  r.L = 50;
  r.UseReflect = false;
  return r;
}

}  // namespace corvana::spectral::testing
