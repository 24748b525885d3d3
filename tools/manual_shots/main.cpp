// corvana-shots: pictures of the real program for the user manual and for
// looking at layouts. It starts the program as a user would (settings file,
// job file, language argument), then grabs the main window at each size and,
// with --manual, every dialog and menu the manual shows.
//
//   corvana-shots OUTDIR --size WxH[,WxH...] [--manual] [JOB] [/lang:...] [--simulator]
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/command_table.h"
#include "core/job.h"
#include "qt/child_frame.h"
#include "qt/ckt_client_app.h"
#include "qt/dialogs/average_measure_dialog.h"
#include "qt/dialogs/download_data_dialog.h"
#include "qt/dialogs/find_dialog.h"
#include "qt/dialogs/instrument_status_dialog.h"
#include "qt/dialogs/opacity_measure_dialog.h"
#include "qt/dialogs/upload_standard_dialog.h"
#include "qt/help_window.h"
#include "qt/instrument_worker.h"
#include "qt/main_frame.h"
#include "qt/user_manual.h"
#include "qt/views/chroma_view.h"
#include "qt/views/record_list_view.h"
#include "qt/views/wavelength_reflectance_view.h"

namespace corvana {
namespace {

struct Options {
  QString outDir;
  std::vector<QSize> sizes;
  bool manual = false;
  std::vector<char*> appArgs;  // what the program itself sees
};

bool parseSizes(const QString& text, std::vector<QSize>& sizes) {
  for (const QString& part : text.split(',')) {
    const QStringList wh = part.split('x');
    bool okW = false, okH = false;
    if (wh.size() != 2) return false;
    const int w = wh[0].toInt(&okW), h = wh[1].toInt(&okH);
    if (!okW || !okH || w < 320 || h < 240) return false;
    sizes.emplace_back(w, h);
  }
  return !sizes.empty();
}

// Lets layouts, timers and repaints settle before a picture is taken; text
// documents lay out in steps from the event loop, so give them a moment.
void settle(int milliseconds = 50) {
  QElapsedTimer clock;
  clock.start();
  do {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::sendPostedEvents();
  } while (clock.elapsed() < milliseconds);
}

bool save(QWidget* widget, const QString& path) {
  const bool ok = widget->grab().save(path);
  std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
  return ok;
}

// Runs a command that opens a modal dialog or message box, grabs it once it
// is up, then closes it without changing anything.
bool shootModal(CMainFrame& frame, int command, const QString& path) {
  bool ok = false, seen = false;
  QTimer::singleShot(400, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    seen = true;
    settle();
    ok = save(modal, path);
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      QAbstractButton* no = box->button(QMessageBox::No);
      if (!no) no = box->button(QMessageBox::Cancel);
      if (!no) no = box->button(QMessageBox::Ok);
      if (no)
        no->click();
      else
        box->reject();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    }
  });
  frame.runCommand(command);
  settle();
  if (!seen) std::fprintf(stderr, "no dialog came up for %s\n", qPrintable(path));
  return ok;
}

bool shootMenu(CMainFrame& frame, int index, const QString& path) {
  const QList<QAction*> menus = frame.menuBar()->actions();
  if (index >= menus.size() || !menus[index]->menu()) return false;
  QMenu* menu = menus[index]->menu();
  menu->popup(frame.mapToGlobal(frame.menuBar()->actionGeometry(menus[index]).bottomLeft()));
  settle();
  const bool ok = save(menu, path);
  menu->hide();
  return ok;
}

// Grabs the message box that comes up within `wait` milliseconds of `act`
// (also when it comes from an instrument call finishing), then closes it.
bool shootMessage(const std::function<void()>& act, const QString& path, int wait = 1500) {
  bool ok = false, seen = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || seen) return;
    seen = true;
    poll.stop();
    settle();
    ok = save(box, path);
    box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
  });
  poll.start(50);
  act();
  QElapsedTimer clock;
  clock.start();
  while (!seen && clock.elapsed() < wait) settle(20);
  if (!seen) std::fprintf(stderr, "no message came up for %s\n", qPrintable(path));
  return ok;
}

void selectSample(CMainFrame& frame, int record) {
  if (CChildFrame* child = frame.activeChild()) {
    child->sampleView()->selectRecords({record});
    child->sampleView()->setFocus();
  }
}

// Opacity: the dialog with a light lot over white and a darker one over
// black, the pair whose opacity comes closest to 90 % (nothing is measured).
bool shootOpacity(CMainFrame& frame, const QString& path) {
  CChildFrame* child = frame.activeChild();
  if (!child) return false;
  const Job& job = child->job();
  int white = -1, black = -1;
  double best = 1e9;
  for (int w = 0; w < job.sampleCount(); ++w)
    for (int b = 0; b < job.sampleCount(); ++b)
      if (const auto o = opacityPercent(opacitySideFor(job, w), opacitySideFor(job, b));
          o && std::isfinite(*o) && std::abs(*o - 90.0) < best) {
        best = std::abs(*o - 90.0);
        white = w;
        black = b;
      }
  QTimer::singleShot(150, [white, black] {
    auto* dialog = qobject_cast<OpacityMeasureDlg*>(QApplication::activeModalWidget());
    if (!dialog || white < 0) return;
    dialog->resize(dialog->sizeHint().expandedTo(QSize(980, 560)));
    for (auto [base, position] :
         {std::pair{OpacityBase::White, white}, {OpacityBase::Black, black}})
      dialog->sampleList(base)->setCurrentIndex(dialog->sampleList(base)->findData(position));
  });
  return shootModal(frame, CmdOpacity, path);
}

// The plot panes at sizes where every text reads, drawn by the panes' own
// code: CIE LAB and CIE XYZ with one illuminant, then three illuminants,
// then the reflectance pane. The job's conditions are put back afterwards.
bool shootPlots(Job& job, const QDir& out) {
  const ColorSpace space = job.colorSpace;
  const std::uint32_t illuminants = job.IlluminantCount;
  const int current = job.currentSample;
  // A lot outside its tolerance shows the markers away from the centre.
  if (job.sampleCount() > 6) job.selectSample(6);
  auto save = [&](const QImage& image, const char* name) {
    const QString path = out.filePath(name);
    const bool saved = image.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
  };
  bool ok = true;
  job.setIlluminantCount(1);
  ok &= save(renderChromaPane(&job, QSize(900, 520)), "plot-lab.png");
  job.colorSpace = CieXyz;
  job.recomputeAll();
  ok &= save(renderChromaPane(&job, QSize(900, 560)), "plot-xy.png");
  job.colorSpace = space;
  job.recomputeAll();
  job.setIlluminantCount(3);
  ok &= save(renderChromaPane(&job, QSize(1000, 440)), "plot-3-illuminants.png");
  ok &= save(renderSpectralPane(&job, QSize(1000, 560)), "plot-reflectance.png");
  job.setIlluminantCount(illuminants);
  if (current >= 0) job.selectSample(current);
  return ok;
}

int run(Options& options) {
  int argc = int(options.appArgs.size()) - 1;
  CKTClientApp app(argc, options.appArgs.data());
  if (!app.initInstance()) return 1;
  CMainFrame& frame = *app.mainFrame();
  // The pictures show the program after its start-up connection.
  frame.instrumentWorker().finish();
  QDir().mkpath(options.outDir);
  const QDir out(options.outDir);
  bool ok = true;
  for (const QSize& size : options.sizes) {
    frame.showNormal();
    frame.setGeometry(QRect(QPoint(0, 0), size));
    if (CChildFrame* child = frame.activeChild()) child->parentWidget()->showMaximized();
    settle();
    ok &=
        save(&frame, out.filePath(QString("main-%1x%2.png").arg(size.width()).arg(size.height())));
  }
  if (options.manual) {
    const QList<QAction*> menus = frame.menuBar()->actions();
    for (int i = 0; i < menus.size(); ++i)
      ok &= shootMenu(frame, i, out.filePath(QString("menu-%1.png").arg(i + 1)));
    const std::vector<std::pair<int, const char*>> dialogs = {
        {CmdTolerance, "tolerance"},           {CmdColorSpace, "color-space-formula"},
        {CmdObserver, "observer-illuminants"}, {CmdReportSettings, "report-settings"},
        {CmdOtherSettings, "other-settings"},  {CmdNameOptionSample, "name-option"},
        {CmdRenameJob, "rename-job"},          {CmdAbout, "about"}};
    for (const auto& [command, name] : dialogs)
      ok &= shootModal(frame, command, out.filePath(QString("%1.png").arg(name)));
    // The help window, as a desktop without an HTML viewer shows the manual.
    if (ui::HelpWindow* help = ui::openUserManual(&frame, [](const QUrl&) { return false; })) {
      help->resize(900, 640);
      help->show();
      settle(1000);
      ok &= save(help, out.filePath("help-window.png"));
      help->close();
    } else {
      std::fprintf(stderr, "no manual found for the help window\n");
      ok = false;
    }
    // The instrument dialogs show what the connected instrument reports.
    ok &= shootModal(frame, CmdWhiteCalibration, out.filePath("white-calibration.png"));
    frame.runCommand(CmdInstrumentStatus);
    settle(300);
    if (CChildFrame* child = frame.activeChild(); child && child->instrumentStatusDialog()) {
      ok &= save(child->instrumentStatusDialog(), out.filePath("instrument-status.png"));
      child->instrumentStatusDialog()->hide();
    } else {
      std::fprintf(stderr, "no instrument status dialog came up\n");
      ok = false;
    }
    // Transfers: the upload dialog after an upload of four stored samples,
    // its message, and Download Standard to Instrument; the job is left as
    // it was.
    if (CChildFrame* child = frame.activeChild()) {
      const int samplesBefore = child->job().sampleCount();
      QTimer::singleShot(400, [&] {
        auto* dialog = qobject_cast<DownloadData*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->standardNumberEdit()->setText("1");
        dialog->firstEdit()->setText("1");
        dialog->countEdit()->setText("4");
        dialog->prefixEdit()->setText("Lot");
        ok &=
            shootMessage([&] { dialog->uploadButton()->click(); }, out.filePath("upload-done.png"));
        settle(200);
        ok &= save(dialog, out.filePath("upload-samples.png"));
        dialog->reject();
      });
      frame.runCommand(CmdUploadSamples);
      settle();
      std::vector<int> uploaded;
      for (int i = samplesBefore; i < child->job().sampleCount(); ++i) uploaded.push_back(i);
      if (uploaded.empty()) {
        std::fprintf(stderr, "the upload added no samples\n");
        ok = false;
      }
      child->job().deleteSamples(uploaded);
      child->standardView()->selectRecords({0});
      ok &= shootMessage([&] { frame.runCommand(CmdDownloadStandard); },
                         out.filePath("download-standard.png"));
      frame.instrumentWorker().finish();
      // Averaging: the sample dialog in a run of five, three measurements in
      // (the run is not finished, so the job gains nothing).
      {
        bool seen = false;
        QTimer::singleShot(400, [&] {
          auto* dialog = qobject_cast<AverageMeasureDialog*>(QApplication::activeModalWidget());
          if (!dialog) return;
          seen = true;
          dialog->countList()->setCurrentIndex(5);
          for (int i = 0; i < 3; ++i) {
            dialog->measure();
            frame.instrumentWorker().finish();
          }
          settle(300);
          ok &= save(dialog, out.filePath("average-measure.png"));
          dialog->reject();
        });
        frame.runCommand(CmdAverageSample);
        settle();
        if (!seen) {
          std::fprintf(stderr, "no average measure dialog came up\n");
          ok = false;
        }
      }
      // Hand entry and the white board: the hand-entry dialog with a curve
      // typed in, and the white board as the connected instrument holds it.
      QTimer::singleShot(150, [] {
        auto* entry = qobject_cast<UploadStandardDialog*>(QApplication::activeModalWidget());
        if (!entry) return;
        entry->setMode(HandEntryMode::Reflectance);
        for (int i = 0; i < 31; ++i) {
          // A warm red: low in the blue, rising steeply past 580 nm.
          const double percent = 6.0 + 72.0 / (1.0 + std::exp(-(400.0 + 10 * i - 600.0) / 18.0));
          entry->reflectanceField(i)->setText(QString::number(percent, 'f', 2));
        }
        entry->materialField()->setText(QStringLiteral("Wool 2/48"));
      });
      ok &= shootModal(frame, CmdInputStandard, out.filePath("hand-entry.png"));
      ok &= shootModal(frame, CmdWhiteBoard, out.filePath("white-board.png"));
      selectSample(frame, 6);
      ok &= shootModal(frame, CmdRenameSample, out.filePath("rename-sample.png"));
      ok &= shootModal(frame, CmdMaterialSample, out.filePath("material-sample.png"));
      ok &= shootModal(frame, CmdDeleteSample, out.filePath("delete-sample.png"));
      // Find: the samples of one colour by name, and the samples within a
      // CMC 0.8 of the first standard by value, sorted by the difference.
      QTimer::singleShot(150, [] {
        auto* find = qobject_cast<FindDialog*>(QApplication::activeModalWidget());
        if (!find) return;
        find->keywordField()->setText(QStringLiteral("4410"));
        find->find();
      });
      ok &= shootModal(frame, CmdFindSample, out.filePath("find-name.png"));
      QTimer::singleShot(150, [] {
        auto* find = qobject_cast<FindDialog*>(QApplication::activeModalWidget());
        if (!find) return;
        find->modeList()->setCurrentIndex(1);
        const char* values[] = {"23.46", "4.72", "-15.58", "0.8"};
        for (int i = 0; i < 4; ++i) find->valueField(i)->setText(QString::fromLatin1(values[i]));
        find->find();
        QHeaderView* header = find->resultList()->horizontalHeader();
        emit header->sectionClicked(header->count() - 1);
        find->resultList()->selectRow(0);
      });
      ok &= shootModal(frame, CmdFindSample, out.filePath("find-value.png"));
      ok &= shootOpacity(frame, out.filePath("opacity.png"));
      ok &= shootPlots(child->job(), out);
    }
  }
  for (CChildFrame* child : frame.children()) child->job().setModified(false);
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace corvana

int main(int argc, char** argv) {
  corvana::Options options;
  options.appArgs.push_back(argv[0]);
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == "--size" && i + 1 < argc) {
      if (!corvana::parseSizes(QString::fromLocal8Bit(argv[++i]), options.sizes)) {
        std::fprintf(stderr, "corvana-shots: --size takes WxH[,WxH...], e.g. 1280x800\n");
        return 2;
      }
    } else if (arg == "--manual") {
      options.manual = true;
    } else if (options.outDir.isEmpty() && !arg.startsWith("/lang", Qt::CaseInsensitive) &&
               !arg.endsWith(".job")) {
      options.outDir = arg;
    } else {
      options.appArgs.push_back(argv[i]);
    }
  }
  if (options.outDir.isEmpty() || options.sizes.empty()) {
    std::fprintf(stderr,
                 "usage: corvana-shots OUTDIR --size WxH[,WxH...] [--manual] [JOB] [/lang:...]\n");
    return 2;
  }
  // The program changes its working folder at start.
  options.outDir = QDir().absoluteFilePath(options.outDir);
  options.appArgs.push_back(nullptr);  // argv ends with a null pointer
  return corvana::run(options);
}
