#pragma once
// Toolbar and menu pictures, drawn by the program at 32 x 32 so they stay
// crisp and consistent in every theme. Pictures that name a list (Measure,
// Auto Naming, Delete, Upload) carry its tag in the current language, so
// they are made anew when the language changes.
#include <QIcon>

namespace corvana::ui {

QIcon commandIcon(int command);
// The program's own icon (window and dialogs).
QIcon applicationIcon();

}  // namespace corvana::ui
