#pragma once
// The application: start-up in its fixed order, the interface font, and the
// wiring of the main window to the settings file.
#include <QApplication>
#include <QFile>
#include <memory>

#include "qt/qt_translations.h"

namespace corvana {

class CMainFrame;

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

 private:
  void chooseFont();

  ui::QtTranslations qtTranslations_;
  std::unique_ptr<CMainFrame> mainFrame_;
  QFile log_;  // emptied at start, kept open while the program runs
  int argc_;
  char** argv_;
};

}  // namespace corvana
