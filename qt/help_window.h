#pragma once
// The user manual inside the program, for a desktop without an HTML viewer:
// the pages in a text browser that follows the links between them and shows
// their pictures, with Back, Forward and Contents.
#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;
class QToolBar;

namespace corvana::ui {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // Opens at `index`, the manual's first page.
  explicit HelpWindow(const QUrl& index, QWidget* parent = nullptr);
  ~HelpWindow() override;
  QTextBrowser* browser() const { return browser_; }
  // Shows `index` again when the manual of another language is asked for.
  void showIndex(const QUrl& index);

 private:
  // The title and the tool bar in the current language.
  void relabel();

  QTextBrowser* browser_ = nullptr;
  QAction* back_ = nullptr;
  QAction* forward_ = nullptr;
  QAction* contents_ = nullptr;
  QUrl index_;
  int languageListener_ = 0;
};

}  // namespace corvana::ui
