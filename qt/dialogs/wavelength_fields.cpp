#include "qt/dialogs/wavelength_fields.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace corvana {

namespace {
constexpr int kFieldsPerColumn = 10;
}

WavelengthFields makeWavelengthFields(QWidget* parent, const QString& prefix,
                                      const std::function<QLineEdit*(QWidget*)>& make) {
  WavelengthFields out;
  out.group = new QGroupBox(parent);
  auto* grid = new QGridLayout(out.group);
  grid->setHorizontalSpacing(out.group->fontMetrics().averageCharWidth() * 2);
  QWidget* previous = nullptr;
  for (int i = 0; i < kWavelengthFields; ++i) {
    const QString wavelength = QString::number(fieldWavelength(i));
    QLineEdit* field = make(out.group);
    field->setObjectName(prefix + wavelength);
    // Room for "100.00" and a little more, in the font the field has.
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")));
    auto* label = new QLabel(wavelength, out.group);
    label->setBuddy(field);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int column = i / kFieldsPerColumn, row = i % kFieldsPerColumn;
    grid->addWidget(label, row, 2 * column);
    grid->addWidget(field, row, 2 * column + 1);
    grid->setColumnStretch(2 * column + 1, 1);
    if (previous) QWidget::setTabOrder(previous, field);
    previous = field;
    out.fields[std::size_t(i)] = field;
  }
  return out;
}

}  // namespace corvana
