#pragma once
// One job window: the job, its four panes in nested splitters, and the job
// commands that act on it.
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "core/job.h"
#include "core/job_file_error.h"
#include "core/job_observer.h"
#include "instrument/calibration.h"
#include "qt/changed_file_question.h"

class QSplitter;

namespace corvana {

class ChromaView;
class WavelengthReflectanceView;
class StandardView;
class SampleView;
class RecordListPane;
class CMainFrame;
class TabbedDialog;
class InstrumentStatusDialog;
enum class ListSortMode;

class CChildFrame : public QWidget, public JobObserver {
  Q_OBJECT
 public:
  explicit CChildFrame(CMainFrame& main, QWidget* parent = nullptr);
  ~CChildFrame() override;

  Job& job() { return *job_; }
  StandardView* standardView() const { return standardView_; }
  SampleView* sampleView() const { return sampleView_; }
  QSplitter* splitterA() const { return splitterA_; }
  QSplitter* splitterB() const { return splitterB_; }
  QSplitter* splitterC() const { return splitterC_; }
  RecordListPane* standardPane() const { return standardPane_; }
  RecordListPane* samplePane() const { return samplePane_; }
  // The chromaticity plot is never narrower than this.
  static constexpr int kPlotMinimumWidth = 200;

  // The splitter positions and the column widths the user set go into the
  // main frame's layout, and from there into the settings file.
  void storeLayout();

  // Asks to save when modified; true when the window may close.
  bool askToClose();
  // The same question before another file replaces this job; true to go on.
  bool askToReplace();
  // Re-reads every text after a language change.
  void relabel();

  // Instrument > Instrument Status: the window's status dialog, made on first
  // use and kept until the window closes; null before that.
  void showInstrumentStatus();
  InstrumentStatusDialog* instrumentStatusDialog() const;
  // An instrument was connected or disconnected: the status dialog follows.
  void instrumentStateChanged(bool connected);
  void calibrateInstrument(CalibrationKind kind);
  // Upload Standard / Sample to PC: the upload dialog on this job.
  void uploadStoredRecords(RecordList list);
  // Download Standard to Instrument: the first selected standard, written
  // off the UI thread.
  void downloadStandard();
  // Average Measure of a list: the dialog, which adds a record per finished run.
  void averageMeasure(RecordList list);
  // White Board: read, edit and write the instrument's white-board parameters.
  void editWhiteBoard();

  // Job commands (the job menu reaches them through the main frame).
  void runCommand(int command);
  bool save();
  bool saveAs();
  void open();
  // Reads the file into this window after asking about unsaved changes;
  // false when the user cancelled or the file could not be read.
  bool openFile(const QString& path);
  // Reads the file into this window without asking and without showing a
  // failure; false with the reason in `error`.
  bool readFile(const QString& path, JobFileError& error);
  // The title: unsaved changes, the job's name, its file.
  void updateTitle();

  // JobObserver
  void recordAdded(RecordList list, int index) override;
  void recordsRemoved(RecordList list, const std::vector<int>& indices) override;
  void currentChanged(RecordList list, int oldIndex) override;
  void recordTextChanged(RecordList list, int index) override;
  void everythingChanged() override;
  void illuminantCountChanged() override;
  void titleChanged() override;
  void modifiedChanged(bool modified) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The lists get the width they need (or the width the user gave them), the
  // plot the rest, but never less than its minimum.
  void placePlotSplitter();
  void captureLayout();
  bool writeTo(const QString& path);
  // Whether Save may write the job's file: Overwrite when nobody else wrote
  // it since this job read or wrote it, otherwise the user's answer.
  ui::ChangedFileAnswer askIfChangedOnDisk();
  void deleteSelected(RecordList list);
  void importSelected(RecordList from);
  void renameJob();
  // "Please select a standard / sample" for a command that needs a selection.
  void warnNothingSelected(RecordList list);
  void renameRecord(RecordList list);
  void modifyMaterial(RecordList list);
  // Find on a list; the list has the focus afterwards.
  void findRecords(RecordList list);
  void refreshPlots();
  // Export Data: the selected rows of each list in list order; with none
  // selected, the current standard and every sample the list shows.
  void exportSheet();
  void runDialog(TabbedDialog& dialog);
  // Measure standard / sample: names the record, measures off the UI thread
  // and adds the record to this job, selected.
  void measure(RecordList list);
  // Print Color Diff Report (colour difference) or Print Color Diff
  // Cumulative Report: a preview of the pages, then the print dialog.
  void printReport(bool colorDiff);
  // The sample list's first sort key as the cumulative reports name it.
  ListSortMode sampleSortMode() const;

  CMainFrame& main_;
  std::unique_ptr<Job> job_;
  QSplitter* splitterA_ = nullptr;
  QSplitter* splitterB_ = nullptr;
  QSplitter* splitterC_ = nullptr;
  ChromaView* chromaView_ = nullptr;
  WavelengthReflectanceView* reflectanceView_ = nullptr;
  StandardView* standardView_ = nullptr;
  SampleView* sampleView_ = nullptr;
  RecordListPane* standardPane_ = nullptr;
  RecordListPane* samplePane_ = nullptr;
  QPointer<InstrumentStatusDialog> statusDialog_;
  int listsWidth_ = 0;  // set by the user or the settings; 0: as wide as the lists need
};

// The MDI window around a job: its close box asks the job first.
class JobSubWindow : public QMdiSubWindow {
  Q_OBJECT
 public:
  JobSubWindow(CChildFrame* frame, QWidget* parent = nullptr);
  CChildFrame* frame() const { return frame_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  CChildFrame* frame_;
};

}  // namespace corvana
