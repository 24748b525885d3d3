#include "qt/file_dialogs.h"

#include <QDir>
#include <QFileDialog>

#include "core/job_file.h"
#include "qt/ui_text.h"

namespace corvana::ui {

namespace {
FileDialogHandler& handler() {
  static FileDialogHandler h;
  return h;
}
// In the language of the moment: the dialog shows the name, Qt reads the pattern.
QString jobFilter() { return text(Text::JobFilesFilter) + QStringLiteral(" (*.job)"); }

// The process's current directory is the same after the dialog as before.
class KeepCurrentDirectory {
 public:
  KeepCurrentDirectory() : saved_(QDir::currentPath()) {}
  ~KeepCurrentDirectory() { QDir::setCurrent(saved_); }

 private:
  QString saved_;
};
}  // namespace

QString askOpenJobPath(QWidget* parent) {
  if (handler()) return handler()(false);
  KeepCurrentDirectory keep;
  return QFileDialog::getOpenFileName(parent, QString(), QString(), jobFilter(), nullptr,
                                      QFileDialog::ReadOnly);
}

QString askSaveJobPath(QWidget* parent, const QString& suggested) {
  QString path;
  if (handler()) {
    path = handler()(true);
  } else {
    KeepCurrentDirectory keep;
    QFileDialog dialog(parent, QString(), suggested, jobFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog then asks before replacing "a.job" when "a" is typed.
    dialog.setDefaultSuffix(QStringLiteral("job"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      path = dialog.selectedFiles().front();
  }
  // A name without an extension would be hidden by the Open filter.
  if (path.isEmpty()) return path;
  return QString::fromStdString(withJobExtension(path.toStdString()));
}

QString askSaveTextPath(QWidget* parent, const QString& suggested) {
  if (handler()) return handler()(true);
  KeepCurrentDirectory keep;
  QFileDialog dialog(parent, QString(), suggested,
                     text(Text::TextFilesFilter) + QStringLiteral(" (*.txt)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

void setFileDialogHandler(FileDialogHandler h) { handler() = std::move(h); }

}  // namespace corvana::ui
