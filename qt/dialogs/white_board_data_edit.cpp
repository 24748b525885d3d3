#include "qt/dialogs/white_board_data_edit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <memory>

namespace corvana {

void WhiteBoardDataEdit::pasteList() {
  if (isReadOnly()) return;
  const QString text = QApplication::clipboard()->text();
  if (!text.isEmpty()) emit listPasted(text);
}

void WhiteBoardDataEdit::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Paste) {
    pasteList();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void WhiteBoardDataEdit::contextMenuEvent(QContextMenuEvent* event) {
  std::unique_ptr<QMenu> menu(createStandardContextMenu());
  // The menu's own Paste would insert the whole list into this field.
  if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
    disconnect(paste, &QAction::triggered, nullptr, nullptr);
    connect(paste, &QAction::triggered, this, &WhiteBoardDataEdit::pasteList);
  }
  menu->exec(event->globalPos());
}

}  // namespace corvana
