#pragma once
// The chromaticity view and the reflectance plot panes of the job window.
// They reserve their panes and repaint with the job; their drawing arrives
// with the plot work.
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

class ChromaView : public PlotPane {
  Q_OBJECT
 public:
  explicit ChromaView(const Job& job, QWidget* parent = nullptr);
};

class WavelengthReflectanceView : public PlotPane {
  Q_OBJECT
 public:
  explicit WavelengthReflectanceView(const Job& job, QWidget* parent = nullptr);
};

}  // namespace corvana
