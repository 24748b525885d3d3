#include "qt/user_manual.h"

#include <QDesktopServices>
#include <QDir>
#include <QStringList>

#include "core/language_table.h"
#include "core/user_manual_location.h"
#include "qt/help_window.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana::ui {

HelpWindow* openUserManual(QWidget* parent, const std::function<bool(const QUrl&)>& openUrl) {
  const ManualLocationInputs inputs = currentManualLocationInputs();
  const std::string index = findManualIndex(inputs, LanguageIndex);
  if (index.empty()) {
    QStringList folders;
    for (const std::string& folder : manualFolders(inputs))
      folders << QDir::cleanPath(qstr(folder));
    showMessage(parent, {caption(Text::UserManual),
                         text(Text::UserManualNotFound) + "\n" + folders.join('\n'),
                         MessageIcon::Information});
    return nullptr;
  }
  const QUrl url = QUrl::fromLocalFile(qstr(index));
  if (openUrl ? openUrl(url) : QDesktopServices::openUrl(url)) return nullptr;
  // No viewer: the program shows the pages itself, in one window.
  auto* window = parent ? parent->findChild<HelpWindow*>() : nullptr;
  if (window)
    window->showIndex(url);
  else
    window = new HelpWindow(url, parent);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace corvana::ui
