#pragma once
// A white-board value field: a paste hands the clipboard's text to the
// dialog, which spreads its values over this field and the ones after it,
// instead of inserting it here.
#include <QLineEdit>

namespace corvana {

class WhiteBoardDataEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

  // Ctrl+V, Shift+Insert and the context menu's Paste come here.
  void pasteList();

 signals:
  // The clipboard's text; only when it holds some.
  void listPasted(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace corvana
