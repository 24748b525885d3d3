#pragma once
// The question before a save writes over a file that another window or
// program changed since the job read or wrote it.
#include <QMessageBox>
#include <QString>

class QWidget;

namespace corvana::ui {

enum class ChangedFileAnswer { Overwrite, SaveAs, Cancel };

// The buttons as the message box reports them (tests answer with them):
// overwriting throws the other writer's work away, hence the destructive one.
constexpr QMessageBox::StandardButton kOverwriteButton = QMessageBox::Discard;
constexpr QMessageBox::StandardButton kSaveAsButton = QMessageBox::Save;

// "NAME was changed on disk since you opened it." with Overwrite, Save As and
// Cancel; Enter and Esc both choose Cancel.
ChangedFileAnswer askAboutChangedFile(QWidget* parent, const QString& fileName);

}  // namespace corvana::ui
