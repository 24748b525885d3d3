#include "qt/dialogs/title_width.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

namespace corvana {

int titleFitWidth(const QWidget* window, const QString& title) {
  QFont font = QApplication::font("QTitleBar");
  font.setBold(true);
  const QFontMetrics metrics(font);
  const QStyle* style = window->style();
  const int button = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
  const int frame = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
  // The padding either side of the text is a few characters in most themes.
  return metrics.horizontalAdvance(title) + 4 * metrics.averageCharWidth() + 4 * button + 2 * frame;
}

}  // namespace corvana
