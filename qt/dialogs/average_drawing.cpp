#include "qt/dialogs/average_drawing.h"

#include <QEvent>
#include <QFontInfo>
#include <QPainter>
#include <algorithm>

#include "colour/color_space.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/number_text.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
constexpr int kTableRows = 11;  // 400..490, 500..590 and 600..700 nm
constexpr int kPatchWidth = 90;

QColor magenta() { return QColor(255, 0, 255); }
}  // namespace

AverageDrawing::AverageDrawing(const Job& job, RecordList list, QWidget* parent)
    : QWidget(parent), decimals_(job.DataAccuracy) {
  setObjectName("averageDrawing");
  // The drawing's own font: Arial where there is one, 17 pixels or the
  // desktop's size when that is larger.
  QFont f = font();
  const QString family = f.family();
  f.setFamilies({QStringLiteral("Arial"), family});
  f.setPixelSize(std::max(17, QFontInfo(font()).pixelSize()));
  setFont(f);
  for (const std::string& label : averageDrawingLabels(job)) labels_.push_back(ui::qstr(label));
  for (Grade g : {Level1, Level2, NoGood}) labels_.push_back(ui::text(gradeTextRow(g)));
  valueLines_ = valueCount(job.colorSpace);
  if (list == RecordList::Samples && job.hasCurrentStandard())
    differenceLines_ = differenceCount(job.colorSpace, job.colorFormula) + 1;
  valueColour_ = list == RecordList::Samples ? QColor(0, 0, 255) : QColor(0, 128, 85);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void AverageDrawing::setText(AverageDrawingText text) {
  text_ = std::move(text);
  // A text longer than the room kept (a large value) widens the drawing.
  updateGeometry();
  update();
}

AverageDrawing::Metrics AverageDrawing::metrics() const {
  const QFontMetrics fm = fontMetrics();
  const auto widest = [&fm](int least, const QString& s) {
    return std::max(least, fm.horizontalAdvance(s));
  };
  Metrics m;
  m.line = fm.lineSpacing() + 2;
  m.gap = fm.averageCharWidth() * 2;
  for (const QString& label : labels_) m.labelWidth = widest(m.labelWidth, label);
  // Room for values of four integer digits and a sign at the job's decimals.
  m.valueWidth = widest(kPatchWidth, ui::qstr(formatFixed(-8888.0, decimals_)));
  m.waveWidth = widest(0, QStringLiteral("700"));
  m.percentWidth = widest(0, ui::qstr(formatFixed(100.0, decimals_, 6)));
  for (const AverageLine& l : text_.values) {
    m.labelWidth = widest(m.labelWidth, ui::qstr(l.label));
    m.valueWidth = widest(m.valueWidth, ui::qstr(l.value));
  }
  for (const AverageLine& l : text_.differences) {
    m.labelWidth = widest(m.labelWidth, ui::qstr(l.label));
    m.valueWidth = widest(m.valueWidth, ui::qstr(l.value));
  }
  m.labelWidth = widest(m.labelWidth, ui::qstr(text_.colorSimulation));
  for (const AverageLine& l : text_.reflectance)
    m.percentWidth = widest(m.percentWidth, ui::qstr(l.value));
  m.columnWidth = m.waveWidth + m.gap / 2 + m.percentWidth + m.gap;
  m.leftWidth = m.labelWidth + m.gap + m.valueWidth;
  m.rightWidth = std::max(3 * m.columnWidth, widest(0, ui::text(Text::Reflectance)));
  m.rightWidth = widest(m.rightWidth, ui::qstr(text_.reflectanceCaption));
  m.leftLines = valueLines_ + differenceLines_ + 2;  // and the colour patch
  m.leftLines = std::max<int>(m.leftLines, int(text_.values.size() + text_.differences.size()) + 2);
  return m;
}

QSize AverageDrawing::sizeHint() const {
  const Metrics m = metrics();
  const QFontMetrics fm = fontMetrics();
  const int width = std::max(m.gap + m.leftWidth + 2 * m.gap + m.rightWidth + m.gap,
                             fm.horizontalAdvance(ui::qstr(text_.countLine)) + 2 * m.gap);
  const int lines = 2 + std::max(m.leftLines, 1 + kTableRows);
  return {width, lines * m.line + m.line / 2};
}

int AverageDrawing::originX(const Metrics& m) const {
  const int content = m.leftWidth + 2 * m.gap + m.rightWidth;
  return std::max(m.gap, (width() - content) / 2);
}

std::vector<AverageDrawing::Item> AverageDrawing::items() const {
  std::vector<Item> out;
  if (!text_.shown) return out;
  const Metrics m = metrics();
  const int x = originX(m);
  const QColor plain = palette().color(QPalette::WindowText);
  out.push_back({QRect(0, 0, width(), m.line), ui::qstr(text_.countLine), plain, Qt::AlignCenter});

  int y = 2 * m.line;
  const auto line = [&](const AverageLine& l, const QColor& colour) {
    out.push_back({QRect(x, y, m.labelWidth, m.line), ui::qstr(l.label), colour,
                   Qt::AlignLeft | Qt::AlignVCenter});
    out.push_back({QRect(x + m.labelWidth + m.gap, y, m.valueWidth, m.line), ui::qstr(l.value),
                   colour, Qt::AlignRight | Qt::AlignVCenter});
    y += m.line;
  };
  for (const AverageLine& l : text_.values) line(l, valueColour_);
  for (const AverageLine& l : text_.differences) line(l, magenta());
  out.push_back({QRect(x, y, m.labelWidth, m.line), ui::qstr(text_.colorSimulation), magenta(),
                 Qt::AlignLeft | Qt::AlignVCenter});

  const int right = x + m.leftWidth + 2 * m.gap;
  y = 2 * m.line;
  out.push_back({QRect(right, y, m.rightWidth, m.line), ui::qstr(text_.reflectanceCaption), plain,
                 Qt::AlignLeft | Qt::AlignVCenter});
  for (int i = 0; i < kCurvePoints; ++i) {
    const int column = std::min(i / 10, 2);
    const int row = i - 10 * column;
    const int cx = right + column * m.columnWidth;
    const int cy = y + (1 + row) * m.line;
    const AverageLine& l = text_.reflectance[std::size_t(i)];
    out.push_back({QRect(cx, cy, m.waveWidth, m.line), ui::qstr(l.label), plain,
                   Qt::AlignLeft | Qt::AlignVCenter});
    out.push_back({QRect(cx + m.waveWidth + m.gap / 2, cy, m.percentWidth, m.line),
                   ui::qstr(l.value), plain, Qt::AlignRight | Qt::AlignVCenter});
  }
  return out;
}

QRect AverageDrawing::patchRect() const {
  if (!text_.shown) return {};
  const Metrics m = metrics();
  const int rows = int(text_.values.size() + text_.differences.size());
  const int y = 2 * m.line + rows * m.line;
  return {originX(m) + m.labelWidth + m.gap, y + 2, m.valueWidth, 2 * m.line - 4};
}

void AverageDrawing::paintEvent(QPaintEvent*) {
  if (!text_.shown) return;
  QPainter p(this);
  p.setFont(font());
  for (const Item& item : items()) {
    p.setPen(item.colour);
    p.drawText(item.rect, int(item.alignment), item.text);
  }
  const QRect patch = patchRect();
  p.fillRect(patch, QColor::fromRgba(text_.displayColor | 0xFF000000u));
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(patch.adjusted(0, 0, -1, -1));
}

void AverageDrawing::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) updateGeometry();
}

}  // namespace corvana
