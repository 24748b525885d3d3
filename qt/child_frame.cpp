#include "qt/child_frame.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QPointer>
#include <QResizeEvent>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "core/ask_to_save.h"
#include "core/command_table.h"
#include "core/file_identity.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/job_manager_settings.h"
#include "core/job_window_title.h"
#include "core/naming.h"
#include "instrument/connection.h"
#include "instrument/measurement.h"
#include "qt/changed_file_question.h"
#include "qt/dialogs/color_space_formula_dialog.h"
#include "qt/dialogs/find_dialog.h"
#include "qt/dialogs/input_dialog.h"
#include "qt/dialogs/instrument_status_dialog.h"
#include "qt/dialogs/naming_dialog.h"
#include "qt/dialogs/observer_illuminant_dialog.h"
#include "qt/dialogs/opacity_measure_dialog.h"
#include "qt/dialogs/other_settings_dialog.h"
#include "qt/dialogs/report_settings_dialog.h"
#include "qt/dialogs/tolerance_dialog.h"
#include "qt/dialogs/upload_standard_dialog.h"
#include "qt/export_data_command.h"
#include "qt/file_dialogs.h"
#include "qt/main_frame.h"
#include "qt/message_box.h"
#include "qt/print/print_frame.h"
#include "qt/print_to_word.h"
#include "qt/ui_text.h"
#include "qt/views/chroma_view.h"
#include "qt/views/record_list_pane.h"
#include "qt/views/record_list_view.h"
#include "qt/views/wavelength_reflectance_view.h"
#include "reports/export_sheet.h"

namespace corvana {

using ui::text;

CChildFrame::CChildFrame(CMainFrame& main, QWidget* parent)
    : QWidget(parent), main_(main), job_(std::make_unique<Job>(jobManager())) {
  setObjectName("jobWindow");
  job_->window = this;
  jobManager().add(job_.get());

  // A: plot | B; B: C over the reflectance plot; C: standards over samples.
  splitterA_ = new QSplitter(Qt::Horizontal, this);
  chromaView_ = new ChromaView(*job_, splitterA_);
  splitterB_ = new QSplitter(Qt::Vertical, splitterA_);
  splitterC_ = new QSplitter(Qt::Vertical, splitterB_);
  standardView_ = new StandardView(*job_);
  sampleView_ = new SampleView(*job_);
  standardPane_ = new RecordListPane(standardView_, splitterC_);
  samplePane_ = new RecordListPane(sampleView_, splitterC_);
  reflectanceView_ = new WavelengthReflectanceView(*job_, splitterB_);
  splitterA_->addWidget(chromaView_);
  splitterA_->addWidget(splitterB_);
  splitterB_->addWidget(splitterC_);
  splitterB_->addWidget(reflectanceView_);
  splitterC_->addWidget(standardPane_);
  splitterC_->addWidget(samplePane_);
  for (QSplitter* s : {splitterA_, splitterB_, splitterC_}) s->setChildrenCollapsible(false);
  chromaView_->setMinimumWidth(kPlotMinimumWidth);
  // A wider or narrower window changes the plot; the lists keep their width.
  splitterA_->setStretchFactor(0, 1);
  splitterA_->setStretchFactor(1, 0);

  const ListLayout& stored = main_.listLayout;
  const auto sizesOr = [](const std::vector<int>& sizes, QList<int> fallback) {
    return sizes.size() == 2 ? QList<int>{sizes[0], sizes[1]} : fallback;
  };
  if (stored.plotSplitter.size() == 2) listsWidth_ = stored.plotSplitter[1];
  splitterB_->setSizes(sizesOr(stored.curveSplitter, {380, 150}));
  splitterC_->setSizes(sizesOr(stored.listSplitter, {100, 280}));
  standardView_->setUserWidths(stored.standardColumns);
  sampleView_->setUserWidths(stored.sampleColumns);
  connect(splitterA_, &QSplitter::splitterMoved, this, [this] {
    listsWidth_ = splitterA_->sizes().value(1);
    placePlotSplitter();
    captureLayout();
  });
  for (QSplitter* s : {splitterB_, splitterC_})
    connect(s, &QSplitter::splitterMoved, this, [this] { captureLayout(); });
  for (RecordListView* view :
       {static_cast<RecordListView*>(standardView_), static_cast<RecordListView*>(sampleView_)})
    connect(view, &RecordListView::userWidthsChanged, this, [this] { captureLayout(); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitterA_);

  connect(standardView_, &RecordListView::recordActivated, this,
          [this](int record) { job_->selectStandard(record, true); });
  connect(sampleView_, &RecordListView::recordActivated, this,
          [this](int record) { job_->selectSample(record, true); });
  // The Delete key asks and deletes as the list's Delete command does.
  connect(standardView_, &RecordListView::deleteRequested, this,
          [this] { runCommand(CmdDeleteStandard); });
  connect(sampleView_, &RecordListView::deleteRequested, this,
          [this] { runCommand(CmdDeleteSample); });

  job_->setTitle(newJobTitle(int(jobManager().jobs.size())));
}

CChildFrame::~CChildFrame() {
  job_->window = nullptr;
  jobManager().remove(job_.get());
}

bool CChildFrame::askToClose() { return askToReplace(); }

bool CChildFrame::askToReplace() {
  // A measurement in flight lands in the job that asked for it before that
  // job is saved, closed or replaced: the window waits for it.
  main_.instrumentWorker().finish();
  const auto ask = [this](const std::string& question) {
    const auto answer =
        ui::showMessage(this, {QString(), ui::qstr(question), ui::MessageIcon::Question,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel});
    return answer == QMessageBox::Yes  ? SaveAnswer::Yes
           : answer == QMessageBox::No ? SaveAnswer::No
                                       : SaveAnswer::Cancel;
  };
  return askToSave(*job_, true, main_.autoSave, ask, [this] { return save(); }) ==
         CloseDecision::GoOn;
}

void CChildFrame::relabel() {
  // Headings and cells in the new language, the rows back in record order.
  standardView_->rebuild();
  sampleView_->rebuild();
  placePlotSplitter();
  chromaView_->relabel();
  refreshPlots();
  updateTitle();
  if (statusDialog_) statusDialog_->relabel();
}

void CChildFrame::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placePlotSplitter();
}

void CChildFrame::placePlotSplitter() {
  const int total = width() - splitterA_->handleWidth();
  if (total <= 0) return;
  // Natural widths first: the need is measured before any name is narrowed.
  for (RecordListView* view :
       {static_cast<RecordListView*>(standardView_), static_cast<RecordListView*>(sampleView_)})
    view->setAvailableWidth(0);
  const int wanted = listsWidth_ > 0
                         ? listsWidth_
                         : std::max(standardView_->widthThrough(), sampleView_->widthThrough());
  const int lists = std::max(1, std::min(wanted, total - kPlotMinimumWidth));
  splitterA_->setSizes({total - lists, lists});
  standardView_->setAvailableWidth(lists);
  sampleView_->setAvailableWidth(lists);
}

void CChildFrame::captureLayout() {
  const auto sizes = [](QSplitter* s) {
    const QList<int> sizes = s->sizes();
    return std::vector<int>(sizes.begin(), sizes.end());
  };
  ListLayout& layout = main_.listLayout;
  if (listsWidth_ > 0) layout.plotSplitter = sizes(splitterA_);
  layout.curveSplitter = sizes(splitterB_);
  layout.listSplitter = sizes(splitterC_);
  layout.standardColumns = standardView_->userWidths();
  layout.sampleColumns = sampleView_->userWidths();
}

void CChildFrame::storeLayout() { main_.saveListLayout(); }

bool CChildFrame::writeTo(const QString& path) {
  std::string error;
  if (writeJobFile(*job_, ui::str(path), &error)) {
    main_.addRecentFile(path);
    return true;
  }
  ui::showMessage(this, {QString(), ui::qstr(error)});
  return false;
}

bool CChildFrame::save() {
  if (job_->filePath.empty()) return saveAs();
  switch (askIfChangedOnDisk()) {
    case ui::ChangedFileAnswer::Overwrite: break;
    case ui::ChangedFileAnswer::SaveAs: return saveAs();
    case ui::ChangedFileAnswer::Cancel: return false;
  }
  return writeTo(ui::qstr(job_->filePath));
}

ui::ChangedFileAnswer CChildFrame::askIfChangedOnDisk() {
  // A file that is gone is simply written again.
  if (diskChangeSince(job_->fileIdentity, job_->filePath) != DiskChange::Changed)
    return ui::ChangedFileAnswer::Overwrite;
  return ui::askAboutChangedFile(this, QFileInfo(ui::qstr(job_->filePath)).fileName());
}

bool CChildFrame::saveAs() {
  const QString path = ui::askSaveJobPath(this, ui::qstr(job_->title));
  // Bound to the new file only once it is written: a failed save leaves the
  // job on its old file, and the next Save never writes the old file with
  // the content meant for the new one.
  if (path.isEmpty() || !writeTo(path)) return false;
  job_->filePath = ui::str(path);
  updateTitle();
  return true;
}

void CChildFrame::open() {
  const QString path = ui::askOpenJobPath(this);
  if (!path.isEmpty()) openFile(path);
}

bool CChildFrame::openFile(const QString& path) {
  // The file replaces this job: unsaved changes are asked about as on close.
  if (!askToReplace()) return false;
  JobFileError error;
  const bool read = readFile(path, error);
  if (!read) ui::showMessage(this, {QString(), ui::qstr(jobFileErrorText(error))});
  return read;
}

namespace {
// While a file is read into the job, the window hears nothing of it and
// catches up once the whole job is in: record by record, each notice would
// recount every grade for the status bar, and a large job took minutes.
class DetachedWindow {
 public:
  explicit DetachedWindow(Job& job) : job_(job), window_(job.window) { job_.window = nullptr; }
  ~DetachedWindow() { job_.window = window_; }
  DetachedWindow(const DetachedWindow&) = delete;
  DetachedWindow& operator=(const DetachedWindow&) = delete;

 private:
  Job& job_;
  JobObserver* window_;
};
}  // namespace

bool CChildFrame::readFile(const QString& path, JobFileError& error) {
  main_.instrumentWorker().finish();
  standardView_->model().setFilter(kAllMaterials);
  sampleView_->model().setFilter(kAllMaterials);
  bool read = false;
  {
    const DetachedWindow quiet(*job_);
    read = readJobFile(*job_, ui::str(path), error);
  }
  // A file that was not read left the job as it was.
  if (read) {
    everythingChanged();
    main_.addRecentFile(path);
  }
  updateTitle();
  // The file brings its own Auto Naming flags.
  main_.updateCommandStates();
  return read;
}

void CChildFrame::updateTitle() {
  const QString title = ui::qstr(jobWindowTitle(*job_));
  setWindowTitle(title);
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->setWindowTitle(title);
  main_.jobChanged(this);
}

void CChildFrame::warnNothingSelected(RecordList list) {
  ui::showError(
      this, list == RecordList::Standards ? Text::PleaseSelectStandard : Text::PleaseSelectSample);
}

void CChildFrame::deleteSelected(RecordList list) {
  RecordListView* view = list == RecordList::Standards ? static_cast<RecordListView*>(standardView_)
                                                       : static_cast<RecordListView*>(sampleView_);
  const std::vector<int> records = view->selectedRecords(true);
  if (records.empty()) {
    warnNothingSelected(list);
    return;
  }
  const auto answer =
      ui::showMessage(this, {QString(), text(Text::AreYouSureToDelete), ui::MessageIcon::Question,
                             QMessageBox::Ok | QMessageBox::Cancel});
  if (answer != QMessageBox::Ok) return;
  if (list == RecordList::Standards)
    job_->deleteStandards(records);
  else
    job_->deleteSamples(records);
}

namespace {
RecordListView* listView(CChildFrame& f, RecordList list) {
  return list == RecordList::Standards ? static_cast<RecordListView*>(f.standardView())
                                       : static_cast<RecordListView*>(f.sampleView());
}

// The one-line input dialog; empty when cancelled.
std::optional<QString> askText(Job& job, QWidget* parent, Text caption, Text prompt,
                               const QString& initial, bool allowEmpty) {
  InputDialog dialog(&job, caption, prompt, initial, allowEmpty, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.text();
}
}  // namespace

void CChildFrame::importSelected(RecordList from) {
  const bool fromSamples = from == RecordList::Samples;
  const Text caption = fromSamples ? Text::ImportFromSample : Text::ImportFromStandard;
  const std::vector<int> records = listView(*this, from)->selectedRecords();
  if (records.empty()) {
    ui::showMessage(this, {ui::caption(caption), text(fromSamples ? Text::PleaseSelectSample
                                                                  : Text::PleaseSelectStandard)});
    return;
  }
  const auto prefix = askText(*job_, this, caption, Text::PleaseInputPrefix, QString(), true);
  if (!prefix) return;
  for (int r : records) {
    MeasurementRecord copy = job_->records(from)[std::size_t(r)];
    copy.setName(ui::str(*prefix) + copy.nameUtf8());
    if (fromSamples)
      job_->addStandard(copy, false);
    else
      job_->addSample(copy, false);
  }
  listView(*this, fromSamples ? RecordList::Standards : RecordList::Samples)->scrollToBottom();
}

void CChildFrame::renameJob() {
  const auto name =
      askText(*job_, this, Text::None, Text::PleaseInputNewJobName, ui::qstr(job_->title), false);
  if (!name) return;
  job_->setTitle(ui::str(*name));
  job_->setModified(true);
}

void CChildFrame::renameRecord(RecordList list) {
  const std::vector<int> records = listView(*this, list)->selectedRecords();
  if (records.empty()) {
    warnNothingSelected(list);
    return;
  }
  const int record = records.front();
  const auto name = askText(*job_, this, Text::None, Text::PleaseInputName,
                            ui::qstr(job_->records(list)[std::size_t(record)].nameUtf8()), true);
  if (!name) return;
  if (list == RecordList::Standards) {
    job_->renameStandard(record, ui::str(*name));
  } else {
    job_->renameSample(record, ui::str(*name));
  }
}

void CChildFrame::modifyMaterial(RecordList list) {
  const std::vector<int> records = listView(*this, list)->selectedRecords();
  if (records.empty()) {
    warnNothingSelected(list);
    return;
  }
  const int record = records.front();
  const auto material =
      askText(*job_, this, Text::None, Text::PleaseInputMaterial,
              ui::qstr(job_->records(list)[std::size_t(record)].materialUtf8()), true);
  if (!material) return;
  if (list == RecordList::Standards) {
    job_->setStandardMaterial(record, ui::str(*material));
  } else {
    job_->setSampleMaterial(record, ui::str(*material));
  }
}

void CChildFrame::findRecords(RecordList list) {
  RecordListView* view = listView(*this, list);
  FindDialog dialog(job_.get(), view, this);
  dialog.exec();
  view->setFocus();
}

void CChildFrame::runDialog(TabbedDialog& dialog) {
  connect(&dialog, &TabbedDialog::applied, this, [this] { everythingChanged(); });
  dialog.exec();
  everythingChanged();
}

void CChildFrame::measure(RecordList list) {
  MeasurementNaming naming = nameForNewMeasurement(*job_, list);
  if (naming.needsDialog) {
    NamingDialog dialog(job_.get(), list, NamingMode::Measurement, this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // Its default page may have changed the rules and Auto Naming.
    main_.updateCommandStates();
    if (!accepted) return;
    naming.name = dialog.resultName();
    naming.material = dialog.resultMaterial();
  }
  // A port plugged in or pulled out while the naming dialog was open may
  // be changing the connection right now.
  main_.instrumentWorker().finish();
  if (!instrumentConnected()) {
    ui::showMessage(this, {QString(), ui::qstr(measurementFailure(MeasureReading{}).text)});
    return;
  }
  const std::uint32_t mode = jobManager().currentMeasurementMode;
  // The result goes to this job: the window does not close, nor does another
  // file replace its job, before it is in (askToReplace waits for it).
  main_.instrumentWorker().run<MeasureReading>(
      Text::Measuring, [list] { return readMeasurement(list); },
      [this, self = QPointer<CChildFrame>(this), list, naming, mode](MeasureReading reading) {
        if (!self) return;
        const Notice notice = addMeasurement(*job_, list, reading, naming, mode);
        if (notice.shown()) {
          ui::showMessage(this, {QString(), ui::qstr(notice.text)});
          return;
        }
        listView(*this, list)->scrollToBottom();
      });
}

void CChildFrame::runCommand(int command) {
  switch (command) {
    case CmdMeasureStandard: measure(RecordList::Standards); break;
    case CmdMeasureSample: measure(RecordList::Samples); break;
    case CmdAverageStandard: averageMeasure(RecordList::Standards); break;
    case CmdAverageSample: averageMeasure(RecordList::Samples); break;
    case CmdSave: save(); break;
    case CmdSaveAs: saveAs(); break;
    case CmdOpen: open(); break;
    case CmdDeleteStandard: deleteSelected(RecordList::Standards); break;
    case CmdDeleteSample: deleteSelected(RecordList::Samples); break;
    case CmdAutoNamingStandard: job_->autoNamingStandards = !job_->autoNamingStandards; break;
    case CmdAutoNamingSample: job_->autoNamingSamples = !job_->autoNamingSamples; break;
    case CmdRenameJob: renameJob(); break;
    case CmdRenameStandard: renameRecord(RecordList::Standards); break;
    case CmdRenameSample: renameRecord(RecordList::Samples); break;
    case CmdMaterialStandard: modifyMaterial(RecordList::Standards); break;
    case CmdMaterialSample: modifyMaterial(RecordList::Samples); break;
    case CmdFindStandard: findRecords(RecordList::Standards); break;
    case CmdFindSample: findRecords(RecordList::Samples); break;
    case CmdImportFromSample: importSelected(RecordList::Samples); break;
    case CmdImportFromStandard: importSelected(RecordList::Standards); break;
    case CmdInstrumentStatus: showInstrumentStatus(); break;
    case CmdBlackCalibration: calibrateInstrument(CalibrationKind::Black); break;
    case CmdWhiteCalibration: calibrateInstrument(CalibrationKind::White); break;
    case CmdUploadStandards: uploadStoredRecords(RecordList::Standards); break;
    case CmdUploadSamples: uploadStoredRecords(RecordList::Samples); break;
    case CmdDownloadStandard: downloadStandard(); break;
    case CmdWhiteBoard: editWhiteBoard(); break;
    case CmdExportData: exportSheet(); break;
    case CmdPrintColorDiff: printReport(true); break;
    case CmdPrintCumulative: printReport(false); break;
    case CmdOpacity: {
      OpacityMeasureDlg dialog(*job_, main_, this);
      dialog.exec();
      break;
    }
    case CmdInputStandard: {
      UploadStandardDialog dialog(job_.get(), this);
      dialog.exec();
      break;
    }
    case CmdNameOptionStandard: {
      NamingDialog dialog(job_.get(), RecordList::Standards, NamingMode::NameOption, this);
      dialog.exec();
      break;
    }
    case CmdNameOptionSample: {
      NamingDialog dialog(job_.get(), RecordList::Samples, NamingMode::NameOption, this);
      dialog.exec();
      break;
    }
    case CmdTolerance: {
      ToleranceDialog dialog(job_.get(), this);
      runDialog(dialog);
      break;
    }
    case CmdColorSpace: {
      ColorSpaceFormulaDialog dialog(job_.get(), this);
      runDialog(dialog);
      break;
    }
    case CmdObserver: {
      ObserverIlluminantDialog dialog(job_.get(),
                                      measurementModeOfModel(jobManager().instrumentModel), this);
      runDialog(dialog);
      break;
    }
    case CmdOtherSettings: {
      OtherSettingsDialog dialog(
          job_.get(), main_.autoSave,
          [this](bool on) {
            main_.autoSave = on;
            if (main_.storeAutoSave) main_.storeAutoSave(on);
          },
          this);
      dialog.exec();
      everythingChanged();
      break;
    }
    case CmdWordColorDiff: ui::printToWord(this, *job_, false, {}); break;
    case CmdWordCumulative:
      ui::printToWord(this, *job_, true, sampleView_->selectedRecords(), sampleSortMode());
      break;
    case CmdReportSettings: {
      ReportSettingsDialog dialog(
          job_.get(),
          [this] {
            if (main_.storeCompany) main_.storeCompany();
          },
          this);
      dialog.exec();
      break;
    }
    default: break;
  }
}

void CChildFrame::exportSheet() {
  const RecordListRows& shown = sampleView_->model().rows();
  std::vector<int> shownSamples;
  shownSamples.reserve(std::size_t(shown.rowCount()));
  for (int row = 0; row < shown.rowCount(); ++row) shownSamples.push_back(shown.recordAt(row));
  exportData(this, *job_, exportedStandards(*job_, standardView_->selectedRecords()),
             exportedSamples(sampleView_->selectedRecords(), std::move(shownSamples)));
}

ListSortMode CChildFrame::sampleSortMode() const {
  const SortKey& key = sampleView_->model().rows().key(0);
  return key.column < 0  ? ListSortMode::Unsorted
         : key.ascending ? ListSortMode::Ascending
                         : ListSortMode::Descending;
}

void CChildFrame::printReport(bool colorDiff) {
  std::unique_ptr<ui::PrintView> view;
  if (colorDiff) {
    view = std::make_unique<ui::PrintView>(*job_);
  } else {
    view = std::make_unique<ui::PrintView>(*job_, sampleView_->selectedRecords(), sampleSortMode());
  }
  // The frame lives for this one print run.
  ui::PrintFrame frame(this, std::move(view));
  frame.run();
}

void CChildFrame::refreshPlots() {
  chromaView_->refresh();
  reflectanceView_->refresh();
  // Every change the plots show also changes the status bar's counts.
  main_.jobChanged(this);
}

RecordListView* viewOf(CChildFrame& f, RecordList list) { return listView(f, list); }

void CChildFrame::recordAdded(RecordList list, int index) {
  viewOf(*this, list)->model().appendRecord(index);
  refreshPlots();
}

void CChildFrame::recordsRemoved(RecordList list, const std::vector<int>& indices) {
  viewOf(*this, list)->model().recordsRemoved(indices);
  refreshPlots();
}

void CChildFrame::currentChanged(RecordList list, int) {
  if (list == RecordList::Standards) {
    // Every sample's differences changed.
    standardView_->model().refreshCells();
    sampleView_->model().rebuild();
  } else {
    sampleView_->model().refreshCells();
  }
  refreshPlots();
}

void CChildFrame::recordTextChanged(RecordList list, int) {
  viewOf(*this, list)->model().refreshCells();
  refreshPlots();
}

void CChildFrame::everythingChanged() {
  standardView_->rebuild();
  sampleView_->rebuild();
  placePlotSplitter();
  refreshPlots();
}

void CChildFrame::illuminantCountChanged() { refreshPlots(); }

void CChildFrame::titleChanged() { updateTitle(); }

void CChildFrame::modifiedChanged(bool) {
  updateTitle();
  main_.updateCommandStates();
}

JobSubWindow::JobSubWindow(CChildFrame* frame, QWidget* parent)
    : QMdiSubWindow(parent), frame_(frame) {
  setWidget(frame);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(frame->windowTitle());
}

void JobSubWindow::closeEvent(QCloseEvent* event) {
  if (!frame_->askToClose()) {
    event->ignore();
    return;
  }
  frame_->storeLayout();
  event->accept();
  QMdiSubWindow::closeEvent(event);
}

}  // namespace corvana
