#pragma once
// Saved reports go to the desktop's default application for their type.
#include <QString>
#include <QUrl>
#include <functional>
#include <string>

class QWidget;

namespace corvana::ui {

// Opens the file with the desktop's application for it
// (QDesktopServices::openUrl); false when none took it.
bool openDocument(const QString& path);

// Tests stand in for the desktop: the opener sees each file's URL and says
// whether an application took it. An empty opener restores the desktop's.
using DocumentOpener = std::function<bool(const QUrl&)>;
void setDocumentOpener(DocumentOpener opener);

// Hands a saved report to the desktop; when nothing takes it, a message says
// where the file is.
void openSavedDocument(QWidget* parent, const QString& path);
// "The file could not be written:" and the reason.
void showNotWritten(QWidget* parent, const std::string& reason);

}  // namespace corvana::ui
