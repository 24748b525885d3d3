#pragma once
// The job file dialogs ("Job Files (*.job)"), with a seam for UI tests.
#include <QString>
#include <functional>

class QWidget;

namespace corvana::ui {

// Empty when the user cancelled.
QString askOpenJobPath(QWidget* parent);
// The chosen path with ".job" added when the name has no extension.
QString askSaveJobPath(QWidget* parent, const QString& suggested);

// A text file to write ("Text Files (*.txt)"); empty when the user cancelled.
QString askSaveTextPath(QWidget* parent, const QString& suggested);

// Tests answer the dialogs: the handler gets true for "save" and returns the path.
using FileDialogHandler = std::function<QString(bool save)>;
void setFileDialogHandler(FileDialogHandler handler);

}  // namespace corvana::ui
