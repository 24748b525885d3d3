#pragma once
// The 31 value fields of a curve, 400 to 700 nm: each labelled with its
// wavelength, in four columns (400-490, 500-590, 600-690, 700) that the
// keyboard walks in wavelength order.
#include <QString>
#include <array>
#include <functional>

class QGroupBox;
class QLineEdit;
class QWidget;

namespace corvana {

constexpr int kWavelengthFields = 31;

inline int fieldWavelength(int field) { return 400 + 10 * field; }

struct WavelengthFields {
  QGroupBox* group = nullptr;
  std::array<QLineEdit*, kWavelengthFields> fields{};
};

// A group box (no title yet) holding the fields `make` creates, named
// "<prefix>400" ... "<prefix>700" and wide enough for "100.00" at any font size.
WavelengthFields makeWavelengthFields(QWidget* parent, const QString& prefix,
                                      const std::function<QLineEdit*(QWidget*)>& make);

}  // namespace corvana
