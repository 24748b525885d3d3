#pragma once
// Sample > Opacity Measurment: a coating measured over a white and over a
// black base, each side a sample of the job chosen or measured here; the
// dialog shows both sides' values, colours and curves and the opacity, and
// prints or writes the opacity report. Measurements run on the program's
// instrument worker, so the dialog keeps painting; its buttons wait meanwhile.
#include <QDialog>
#include <array>

#include "core/language_table.h"
#include "reports/opacity/opacity_rule.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corvana {

class CMainFrame;
class ColorStatic;
class InstrumentWorker;
class Job;
class LegendStatic;
class ReflectancePlotControl;

class OpacityMeasureDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kMaxValues = 5;

  // On `job`, measuring through `main`'s instrument worker.
  OpacityMeasureDlg(Job& job, CMainFrame& main, QWidget* parent = nullptr);

  const OpacitySide& side(OpacityBase base) const { return sides_[index(base)].state; }
  std::optional<double> opacity() const {
    return opacityPercent(side(OpacityBase::White), side(OpacityBase::Black));
  }

  QComboBox* sampleList(OpacityBase base) const { return sides_[index(base)].list; }
  QPushButton* measureButton(OpacityBase base) const { return sides_[index(base)].measure; }
  QLabel* valueCaption(OpacityBase base, int k) const;
  QLineEdit* valueField(OpacityBase base, int k) const;
  ColorStatic* swatch(OpacityBase base) const { return sides_[index(base)].swatch; }
  LegendStatic* legend(OpacityBase base) const { return sides_[index(base)].legend; }
  ReflectancePlotControl* plot() const { return plot_; }
  QLabel* opacityLine() const { return opacityLine_; }
  QPushButton* printButton() const { return print_; }
  QPushButton* wordButton() const { return word_; }
  QPushButton* exitButton() const { return exit_; }

  // The side's "Measure": names a new sample, measures it off the UI thread
  // and, once in the job, lists and chooses it on this side only.
  void measure(OpacityBase base);
  // "Print": the page in a preview, then the print dialog.
  void print();
  // "Print to Word": the report saved as a document and handed to the
  // desktop; the saved path, empty when none was saved.
  QString printToWord();
  // The report of what the dialog shows now.
  OpacityReport report() const;

  // Exit, Esc and the close box: a measurement in flight lands first.
  void done(int result) override;

 protected:
  // Enter in a side's list has chosen the typed name; it must not go on to
  // the button the dialog made its default (the first Measure).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Side {
    QGroupBox* group = nullptr;
    QLabel* listCaption = nullptr;
    QComboBox* list = nullptr;
    QPushButton* measure = nullptr;
    std::array<QLabel*, kMaxValues> captions{};
    std::array<QLineEdit*, kMaxValues> values{};
    QLabel* swatchCaption = nullptr;
    ColorStatic* swatch = nullptr;
    LegendStatic* legend = nullptr;
    OpacitySide state;
  };
  static std::size_t index(OpacityBase base) { return std::size_t(base); }

  void buildSide(OpacityBase base);
  // The side's list changed its selection (-1: none).
  void choose(OpacityBase base, int entry);
  // A measured sample's entry, at its sorted place; its row.
  int insertEntry(OpacityBase base, int position);
  void measured(OpacityBase base, int position);
  void updateOpacityLine();
  void updateControls();

  Job& job_;
  CMainFrame& main_;
  InstrumentWorker& worker_;
  std::array<Side, 2> sides_;
  QGroupBox* opacityGroup_ = nullptr;
  QLabel* opacityLine_ = nullptr;
  QGroupBox* plotGroup_ = nullptr;
  ReflectancePlotControl* plot_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* word_ = nullptr;
  QPushButton* exit_ = nullptr;
};

}  // namespace corvana
