#include "qt/open_document.h"

#include <QDesktopServices>

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

}  // namespace corvana::ui
