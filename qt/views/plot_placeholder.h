#pragma once
// The reflectance plot pane of the job window. It reserves its pane and
// repaints with the job; its drawing arrives with the plot work.
#include <QWidget>

#include "core/language_table.h"

namespace corvana {

class Job;

class PlotPane : public QWidget {
  Q_OBJECT
 public:
  PlotPane(const Job& job, Text caption, QWidget* parent = nullptr);
  void relabel() { update(); }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Text caption_;
};

class WavelengthReflectanceView : public PlotPane {
  Q_OBJECT
 public:
  explicit WavelengthReflectanceView(const Job& job, QWidget* parent = nullptr);
};

}  // namespace corvana
