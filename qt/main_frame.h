#pragma once
// The main window: the MDI area of job windows, the job menu rebuilt per
// language, the toolbar, the status bar and the application-level commands.
#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/list_layout_setting.h"
#include "qt/device_change_handler.h"
#include "qt/instrument_worker.h"

class QLabel;
class QMenu;
class QMdiArea;
class QToolBar;

namespace corvana {

class CChildFrame;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit CMainFrame(QWidget* parent = nullptr);
  ~CMainFrame() override;

  // File > New: a job window, maximised, titled after the open jobs.
  CChildFrame* newJob();
  CChildFrame* activeChild() const;
  // The job windows in job-manager (creation) order.
  std::vector<CChildFrame*> children() const;
  QMdiArea* mdiArea() const { return mdi_; }

  // The menu texts of the current language; the job windows re-label too.
  void rebuildMenu();
  void relabelAll();
  void updateCommandStates();
  QAction* action(int command) const;
  void runCommand(int command);

  bool autoSave = false;
  // The program talks to colorport-sim, not to a real instrument: the status
  // bar and the About box say so.
  bool simulatedInstrument = false;
  // Starts the simulated instrument when no instrument is found; set by the
  // application while it can run one.
  std::function<bool()> startSimulator;
  // Wiring to the settings file, set by the application.
  std::function<void(int language)> storeLanguage;
  std::function<void(bool)> storeAutoSave;
  std::function<void()> storeCompany;
  // The job windows' splitters and column widths: read at start, kept up to
  // date by the windows, stored when a job window or the program closes.
  ListLayout listLayout;
  std::function<void(const ListLayout&)> storeListLayout;
  void saveListLayout();
  std::function<void(const std::vector<std::string>&)> storeRecentFiles;

  // A job window's content, file or title changed: the status bar and the
  // Window menu follow when they show it.
  void jobChanged(CChildFrame* child);
  // The active job's file, conditions, counts, and the instrument.
  void updateStatus();
  // An instrument was just connected or disconnected: every job window's
  // status dialog and the status bar follow.
  void instrumentStateChanged(bool connected);

  // The Job menu's recent files, most recent first.
  const std::vector<std::string>& recentFiles() const { return recentFiles_; }
  // The list stored in the settings, at start; nothing is written back.
  void setRecentFiles(std::vector<std::string> list);
  // After a file was opened or saved: it moves to the front and is stored.
  void addRecentFile(const QString& path);
  // Opens into the active job as Open does; a file gone since the menu was
  // shown is reported and leaves the list.
  void openRecentFile(const std::string& path);
  QMenu* recentMenu() const { return recentMenu_; }
  QMenu* windowMenu() const { return windowMenu_; }

  // Whether the command is available yet (later work arrives command by command).
  static bool isBuilt(int command);
  // Built, and not an instrument command while the instrument is busy.
  bool commandEnabled(int command) const;

  // The one way to the instrument: every driver call of the windows runs here.
  InstrumentWorker& instrumentWorker() { return instrumentWorker_; }
  // Ports plugged in and pulled out open and close the connection here.
  DeviceChangeHandler& deviceChange() { return *deviceChange_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildToolbar();
  void chooseLanguage(int index);
  void showAbout();
  void openUserManual();
  void buildStatusBar();
  // The open jobs under Cascade and Tile, the active one checked.
  void refreshWindowMenu();
  void refreshRecentMenu();
  void storeRecent();
  // The busy cursor, the status-bar message and the instrument commands
  // follow the worker.
  void showInstrumentBusy(bool busy);

  InstrumentWorker instrumentWorker_;
  DeviceChangeHandler* deviceChange_ = nullptr;
  QMdiArea* mdi_ = nullptr;
  bool closing_ = false;
  QToolBar* toolbar_ = nullptr;
  std::map<int, QAction*> actions_;
  // Tool bar buttons by command, so check marks reach them as well as the menus.
  std::map<int, QAction*> toolActions_;
  QMenu* windowMenu_ = nullptr;
  QAction* windowListSeparator_ = nullptr;
  std::vector<QAction*> windowListActions_;
  QMenu* recentMenu_ = nullptr;
  std::vector<std::string> recentFiles_;
  struct StatusLabels {
    QLabel* file = nullptr;
    QLabel* conditions = nullptr;
    QLabel* colour = nullptr;
    QLabel* counts = nullptr;
    QLabel* instrument = nullptr;
  } status_;
};

}  // namespace corvana
