#include "qt/ckt_client_app.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include <cstdlib>
#include <string>

#include "core/auto_save_setting.h"
#include "core/date_time_text.h"
#include "core/job_manager.h"
#include "core/job_manager_settings.h"
#include "core/language_setting.h"
#include "core/list_layout_setting.h"
#include "core/recent_files.h"
#include "core/settings_location.h"
#include "instrument/connection.h"
#include "instrument/simulator_process.h"
#include "qt/child_frame.h"
#include "qt/command_icons.h"
#include "qt/command_line_jobs.h"
#include "qt/main_frame.h"
#include "qt/message_box.h"
#include "qt/port_monitor.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
QString& fontFace() {
  static QString face = QString::fromUtf8("微软雅黑");
  return face;
}
}  // namespace

CKTClientApp::CKTClientApp(int& argc, char** argv)
    : QApplication(argc, argv), argc_(argc), argv_(argv) {
  setApplicationName("Corvana");
  setWindowIcon(ui::applicationIcon());
}

CKTClientApp::~CKTClientApp() {
  // A driver call still in flight ends before the connection closes, and the
  // connection goes before the simulator it may talk to.
  portMonitor_.reset();
  if (mainFrame_) mainFrame_->instrumentWorker().waitForDriver();
  disconnectInstrument();
  mainFrame_.reset();
  simulator_.reset();
}

QString CKTClientApp::interfaceFontFace() { return fontFace(); }

bool CKTClientApp::launchSimulator() {
  simulator_.reset();
  simulator_ =
      std::make_unique<SimulatorProcess>(simulatorProgram(applicationDirPath().toStdString()));
  if (simulator_->running()) {
    setenv("COLORPORT_PORT", simulator_->portPath().c_str(), 1);
    return true;
  }
  simulator_.reset();
  return false;
}

bool CKTClientApp::simulatorAvailable() const {
  // A path is checked as it is, a bare name on PATH.
  const std::string program = simulatorProgram(applicationDirPath().toStdString());
  return !QStandardPaths::findExecutable(QString::fromStdString(program)).isEmpty();
}

void CKTClientApp::startSimulator() {
  if (launchSimulator()) return;
  // Worded when shown, not now: the language is not decided yet.
  CMainFrame* main = mainFrame_.get();
  QTimer::singleShot(0, main, [main] { ui::showError(main, Text::SimulatorStartFailed); });
}

void CKTClientApp::chooseFont() {
  // The face the lists, plots and reports name; a font file beside the
  // program is loaded for this process when the face is not installed.
  if (QFontDatabase::families().contains(fontFace())) return;
  const QString file = QDir(applicationDirPath()).filePath("MSYH.TTF");
  if (QFile::exists(file) && QFontDatabase::addApplicationFont(file) >= 0 &&
      QFontDatabase::families().contains(fontFace()))
    return;
  fontFace() = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

bool CKTClientApp::initInstance() {
  const std::string settings = settingsFilePath();
  // The job defaults come from the settings before any window exists.
  loadJobManagerSettings(jobManager(), settings);
  const QStringList jobFiles = commandLineJobFiles(argc_, argv_);
  QDir::setCurrent(applicationDirPath());
  // Appended to, never emptied: another Corvana may be writing the same log.
  if (log_.open(logFilePath()))
    log_.append(dateTimeText(currentLocalTime()) + " Corvana started, process " +
                std::to_string(::getpid()));
  chooseFont();

  mainFrame_ = std::make_unique<CMainFrame>();
  mainFrame_->storeLanguage = [settings](int language) { writeStoredLanguage(settings, language); };
  mainFrame_->storeAutoSave = [settings](bool on) { writeAutoSave(settings, on); };
  mainFrame_->storeCompany = [settings] { writeUserProfile(jobManager(), settings); };
  mainFrame_->listLayout = readListLayout(settings);
  mainFrame_->storeListLayout = [settings](const ListLayout& layout) {
    writeListLayout(settings, layout);
  };
  mainFrame_->setRecentFiles(readRecentFiles(settings));
  mainFrame_->storeRecentFiles = [settings](const std::vector<std::string>& list) {
    writeRecentFiles(settings, list);
  };
  CChildFrame* first = mainFrame_->newJob();
  if (!first) return false;
  // A job file named on the command line opens in the first job window; one
  // that does not is reported once the window is up.
  openCommandLineJobs(*mainFrame_, *first, jobFiles);
  mainFrame_->autoSave = readAutoSave(settings).value_or(false);
  if (simulatorRequested(argc_, argv_)) startSimulator();
  // Connect offers the simulator when it finds no instrument.
  if (simulatorAvailable())
    mainFrame_->startSimulator = [this] {
      mainFrame_->simulatedInstrument = launchSimulator();
      return mainFrame_->simulatedInstrument;
    };

  // Qt's own texts follow the language from its first setting on.
  qtTranslations_.followLanguageChanges();
  decideStartupLanguage(argc_, argv_, settings);
  mainFrame_->relabelAll();
  mainFrame_->showMaximized();
  // Ports plugged in from now on open and close the connection.
  CMainFrame* main = mainFrame_.get();
  portMonitor_ = std::make_unique<PortMonitor>([main](PortChange change, const PortNotice& port) {
    main->deviceChange().notice(change, port);
  });
  connectInstrumentAtStartup(settings);
  return true;
}

void CKTClientApp::connectInstrumentAtStartup(const std::string& settings) {
  // The instrument, silently: without one the program runs unconnected. A
  // port that does not answer holds the worker, not the window.
  CMainFrame* main = mainFrame_.get();
  QPointer<CChildFrame> first = main->activeChild();
  main->instrumentWorker().run<OpenedInstrument>(
      Text::Connecting, [] { return openAtStartup(); },
      [this, main, first, settings](OpenedInstrument opened) {
        CChildFrame* active = main->activeChild();
        if (!active) active = first;
        spreadOpenedInstrument(opened, jobManager(), settings, active ? &active->job() : nullptr);
        main->simulatedInstrument = simulator_ && instrumentConnected();
        if (instrumentConnected())
          main->instrumentStateChanged(true);
        else
          main->updateStatus();
      });
}

}  // namespace corvana
