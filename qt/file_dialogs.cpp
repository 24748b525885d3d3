#include "qt/file_dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace corvana::ui {

namespace {
FileDialogHandler& handler() {
  static FileDialogHandler h;
  return h;
}
const QString kFilter = QStringLiteral("Job Files (*.job)");

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
  return QFileDialog::getOpenFileName(parent, QString(), QString(), kFilter, nullptr,
                                      QFileDialog::ReadOnly);
}

QString askSaveJobPath(QWidget* parent, const QString& suggested) {
  if (handler()) return handler()(true);
  KeepCurrentDirectory keep;
  return QFileDialog::getSaveFileName(parent, QString(), suggested, kFilter);
}

void setFileDialogHandler(FileDialogHandler h) { handler() = std::move(h); }

}  // namespace corvana::ui
