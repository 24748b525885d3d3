#pragma once
// Language-table texts as QStrings for the widgets.
#include <QString>
#include <string>

#include "core/language_table.h"

namespace corvana::ui {

QString text(Text text);     // LookupText in the current language
QString caption(Text text);  // captionText: empty texts give the product title
QString productTitle();      // Text::ProductTitle
inline QString qstr(const std::string& s) { return QString::fromStdString(s); }
inline std::string str(const QString& s) { return s.toStdString(); }
// "%s" of a language text replaced by the arguments in order.
QString format(Text text, const QStringList& arguments);

}  // namespace corvana::ui
