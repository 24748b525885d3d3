#include "qt/dialogs/limit_spin_edit.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "qt/ui_text.h"

namespace corvana {

LimitSpinEdit::LimitSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
  setKeyboardTracking(true);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  connect(lineEdit(), &QLineEdit::textChanged, this, &LimitSpinEdit::textChanged);
}

void LimitSpinEdit::setRange(LimitRange range) { range_ = range; }

void LimitSpinEdit::setValue(double value) {
  position_ = int(std::lround(value * 100.0));
  lineEdit()->setText(ui::qstr(formatFixed62(value)));
}

void LimitSpinEdit::setText(const QString& text) {
  lineEdit()->setText(text);
  position_ = startPosition();
}

QString LimitSpinEdit::text() const { return lineEdit()->text(); }

int LimitSpinEdit::startPosition() const {
  // Rounded, not truncated: "  0.29" is 29 hundredths, whatever its binary value.
  const double typed = parseNumber(ui::str(text())) * 100.0;
  const int at =
      std::isfinite(typed) && std::fabs(typed) < 1e9 ? int(std::lround(typed)) : position_;
  return std::clamp(at, range_.low, range_.high);
}

void LimitSpinEdit::stepBy(int steps) {
  showPosition(std::clamp(startPosition() + steps * range_.step, range_.low, range_.high));
}

void LimitSpinEdit::showPosition(int position) {
  position_ = position;
  lineEdit()->setText(ui::qstr(formatFixed62(position / 100.0)));
  selectAll();
}

QSize LimitSpinEdit::sizeHint() const {
  // The base measures values it does not have; measure the widest limit.
  ensurePolished();
  const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("-128.00")) + 2,
                   lineEdit()->sizeHint().height());
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

QSize LimitSpinEdit::minimumSizeHint() const { return sizeHint(); }

QAbstractSpinBox::StepEnabled LimitSpinEdit::stepEnabled() const {
  const int at = startPosition();
  StepEnabled enabled = StepNone;
  if (at < range_.high) enabled |= StepUpEnabled;
  if (at > range_.low) enabled |= StepDownEnabled;
  return enabled;
}

}  // namespace corvana
