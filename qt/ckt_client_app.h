#pragma once
// The application: start-up in its fixed order, the interface font, and the
// wiring of the main window to the settings file.
#include <QApplication>
#include <memory>

#include "core/log_file.h"
#include "qt/qt_translations.h"

namespace corvana {

class CMainFrame;
class PortMonitor;
class SimulatorProcess;

class CKTClientApp : public QApplication {
  Q_OBJECT
 public:
  CKTClientApp(int& argc, char** argv);
  ~CKTClientApp() override;

  // Creates the main window and the first job window; false on failure.
  bool initInstance();
  CMainFrame* mainFrame() const { return mainFrame_.get(); }
  // The interface font face: "微软雅黑" when present, else the default face.
  static QString interfaceFontFace();
  // The simulated instrument started by --simulator; null without one.
  const SimulatorProcess* simulator() const { return simulator_.get(); }

 private:
  void chooseFont();
  // Starts colorport-sim and points the driver at its terminal; a failure is
  // reported once the window is up and the program runs unconnected.
  void startSimulator();
  // Starts colorport-sim (replacing one that ran) and points the driver at
  // it; false when it did not come up.
  bool launchSimulator();
  // Whether colorport-sim is there to be started.
  bool simulatorAvailable() const;
  // The silent start-up connection on the instrument worker, the window up
  // meanwhile; its result spreads on the UI thread.
  void connectInstrumentAtStartup(const std::string& settings);

  ui::QtTranslations qtTranslations_;
  std::unique_ptr<CMainFrame> mainFrame_;
  std::unique_ptr<SimulatorProcess> simulator_;
  std::unique_ptr<PortMonitor> portMonitor_;
  LogFile log_;  // appended to, kept open while the program runs
  int argc_;
  char** argv_;
};

}  // namespace corvana
