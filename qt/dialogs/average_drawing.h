#pragma once
// The running result of an Average Measure run: the count, the values in the
// job's colour space, for a sample the differences and grade, the colour
// patch and the 31 reflectances. Laid out from the font's own measures and
// never smaller than its longest texts need, so no text is cut or overlaps
// in any language.
#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

#include "core/job_observer.h"
#include "instrument/average_drawing_text.h"

namespace corvana {

class Job;

class AverageDrawing : public QWidget {
  Q_OBJECT
 public:
  // The room kept is that of the job's colour space and formula; a sample
  // run against a current standard also keeps room for the differences.
  AverageDrawing(const Job& job, RecordList list, QWidget* parent = nullptr);

  void setText(AverageDrawingText text);
  const AverageDrawingText& drawingText() const { return text_; }

  struct Item {
    QRect rect;
    QString text;
    QColor colour;
    Qt::Alignment alignment;
  };
  // What paintEvent draws, in widget coordinates; empty before a run.
  std::vector<Item> items() const;
  QRect patchRect() const;  // null before a run

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Metrics {
    int line = 0;          // one line of text
    int gap = 0;           // between columns
    int labelWidth = 0;    // the value labels
    int valueWidth = 0;    // the values
    int waveWidth = 0;     // "700"
    int percentWidth = 0;  // "100.000"
    int columnWidth = 0;   // one reflectance column
    int leftWidth = 0;     // labels and values
    int rightWidth = 0;    // the reflectance table
    int leftLines = 0;     // lines below the count line on the left
  };
  Metrics metrics() const;
  // The left edge of the content: centred when the widget is wider.
  int originX(const Metrics& m) const;

  std::vector<QString> labels_;  // every label the job's space and formula can show
  int valueLines_ = 0;
  int differenceLines_ = 0;  // with "Judge Result"
  int decimals_ = 3;
  QColor valueColour_;
  AverageDrawingText text_;
};

}  // namespace corvana
