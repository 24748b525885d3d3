#include "qt/open_document.h"

#include <QDesktopServices>

#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana::ui {

namespace {
DocumentOpener& opener() {
  static DocumentOpener o;
  return o;
}
}  // namespace

bool openDocument(const QString& path) {
  const QUrl url = QUrl::fromLocalFile(path);
  return opener() ? opener()(url) : QDesktopServices::openUrl(url);
}

void setDocumentOpener(DocumentOpener o) { opener() = std::move(o); }

void openSavedDocument(QWidget* parent, const QString& path) {
  if (!openDocument(path))
    showMessage(parent,
                {QString(), format(Text::FileSavedButNotOpened, {path}), MessageIcon::Information});
}

void showNotWritten(QWidget* parent, const std::string& reason) {
  showMessage(parent, {QString(), format(Text::FileNotWritten, {qstr(reason)})});
}

}  // namespace corvana::ui
