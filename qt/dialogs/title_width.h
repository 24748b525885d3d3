#pragma once
// How wide a window must be for the window manager to draw its title whole.
#include <QString>

class QWidget;

namespace corvana {

// The title in the title bar's font, set bold as many window managers draw
// it, plus room for the window icon, three title-bar buttons and the frame.
int titleFitWidth(const QWidget* window, const QString& title);

}  // namespace corvana
