#include "qt/ui_text.h"

#include <QStringList>

namespace corvana::ui {

QString text(Text text) { return qstr(LookupText(text)); }
QString caption(Text text) { return qstr(captionText(text)); }
QString productTitle() { return caption(Text::ProductTitle); }

QString format(Text text, const QStringList& arguments) {
  QString out = ui::text(text);
  for (const QString& a : arguments) {
    const int at = out.indexOf(QLatin1String("%s"));
    if (at < 0) break;
    out.replace(at, 2, a);
  }
  return out;
}

}  // namespace corvana::ui
