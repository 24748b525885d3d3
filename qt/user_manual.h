#pragma once
// Help > User Manual: the manual in the interface language, in the
// desktop's HTML viewer, else in the program's help window; a message names
// the folders looked in when there is no manual.
#include <QUrl>
#include <functional>

class QWidget;

namespace corvana::ui {

class HelpWindow;

// `openUrl` is the desktop's viewer (QDesktopServices::openUrl by default);
// when it fails the help window opens, one per `parent`. Returns the help
// window when one shows the manual, else null.
HelpWindow* openUserManual(QWidget* parent, const std::function<bool(const QUrl&)>& openUrl = {});

}  // namespace corvana::ui
