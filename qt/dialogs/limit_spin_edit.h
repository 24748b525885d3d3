#pragma once
// An edit with spin buttons for a number with two decimals. The text is
// free, so a typed value outside the range stays for the dialog's check to
// refuse; the buttons step in hundredths within the range.
#include <QAbstractSpinBox>

#include "core/tolerance_limits.h"

namespace corvana {

class LimitSpinEdit : public QAbstractSpinBox {
  Q_OBJECT
 public:
  explicit LimitSpinEdit(QWidget* parent = nullptr);

  void setRange(LimitRange range);
  LimitRange range() const { return range_; }
  // Shows the value with "%6.2f" and puts the spin at value × 100.
  void setValue(double value);
  // Shows a text as it was typed; the buttons step from its number.
  void setText(const QString& text);
  // The spin position in hundredths.
  int position() const { return position_; }
  QString text() const;

  void stepBy(int steps) override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }

 signals:
  void textChanged(const QString& text);

 protected:
  StepEnabled stepEnabled() const override;

 private:
  // Where the buttons step from: the shown number, else the last position.
  int startPosition() const;
  void showPosition(int position);

  LimitRange range_{0, 0, 1};
  int position_ = 0;
};

}  // namespace corvana
