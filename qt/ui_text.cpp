#include "qt/ui_text.h"

#include <QStringList>

#include "core/language_table.h"

namespace corvana::ui {

QString text(int row) { return qstr(LookupText(row)); }
QString caption(int row) { return qstr(captionText(row)); }
QString productTitle() { return caption(kProductTitleRow); }

QString format(int row, const QStringList& arguments) {
  QString out = text(row);
  for (const QString& a : arguments) {
    const int at = out.indexOf(QLatin1String("%s"));
    if (at < 0) break;
    out.replace(at, 2, a);
  }
  return out;
}

}  // namespace corvana::ui
