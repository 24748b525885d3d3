#pragma once
// Language-table texts as QStrings for the widgets.
#include <QString>
#include <string>

namespace corvana::ui {

QString text(int row);         // LookupText in the current language
QString caption(int row);      // captionText: empty rows give the product title
QString productTitle();        // row 69
inline QString qstr(const std::string& s) { return QString::fromStdString(s); }
inline std::string str(const QString& s) { return s.toStdString(); }
// "%s" of a language text replaced by the arguments in order.
QString format(int row, const QStringList& arguments);

}  // namespace corvana::ui
