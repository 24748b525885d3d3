#include "qt/command_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "core/command_table.h"
#include "core/job_observer.h"
#include "qt/ui_text.h"

namespace corvana::ui {

namespace {

constexpr int kSize = 32;
const QColor kStandardGreen(0x2E, 0x9E, 0x4F);
const QColor kSampleBlue(0x2F, 0x6F, 0xD0);
const QColor kInk(0x33, 0x3A, 0x44);
const QColor kRed(0xD0, 0x3B, 0x32);

// A rounded tile in the command's colour family with a white glyph drawn by `glyph`.
template <typename Glyph>
QIcon tile(const QColor& colour, Glyph glyph) {
  QPixmap pm(kSize, kSize);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawRoundedRect(QRectF(1.5, 1.5, kSize - 3, kSize - 3), 6, 6);
  p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  glyph(p);
  p.end();
  return QIcon(pm);
}

void letter(QPainter& p, const QString& text, int pixelSize,
            QRectF area = QRectF(0, 0, kSize, kSize)) {
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(pixelSize);
  p.setFont(f);
  p.drawText(area, Qt::AlignCenter, text);
}

// The list a command acts on, as a tag along the tile's foot ("Std" / "Smp",
// "标" / "样"): the pairs must differ in more than their colour.
template <typename Glyph>
QIcon listTile(const QColor& colour, Glyph glyph, RecordList list) {
  return tile(colour, [&](QPainter& p) {
    p.save();
    // The glyph shrinks into the upper part.
    p.translate(16, 11);
    p.scale(0.66, 0.66);
    p.translate(-16, -16);
    glyph(p);
    p.restore();
    const QRectF tag(3, 19.5, 26, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(tag, 2, 2);
    p.setPen(colour.darker(140));
    letter(p, text(list == RecordList::Standards ? Text::StandardBadge : Text::SampleBadge), 9,
           tag);
  });
}

// A measuring head: a ring with a centre dot.
void measureGlyph(QPainter& p) {
  p.drawEllipse(QPointF(16, 16), 9, 9);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(16, 16), 3, 3);
}

void autoNameGlyph(QPainter& p) {
  QPainterPath tag;
  tag.moveTo(7, 10);
  tag.lineTo(19, 10);
  tag.lineTo(25, 16);
  tag.lineTo(19, 22);
  tag.lineTo(7, 22);
  tag.closeSubpath();
  p.drawPath(tag);
  letter(p, "A", 10, QRectF(6, 10, 14, 12));
}

void deleteGlyph(QPainter& p) {
  p.drawLine(QPointF(10, 10), QPointF(22, 22));
  p.drawLine(QPointF(22, 10), QPointF(10, 22));
}

void uploadGlyph(QPainter& p) {
  p.drawRect(QRectF(8, 19, 16, 6));
  p.drawLine(QPointF(16, 16), QPointF(16, 6));
  p.drawLine(QPointF(12, 10), QPointF(16, 6));
  p.drawLine(QPointF(20, 10), QPointF(16, 6));
}

void printGlyph(QPainter& p) {
  p.drawRect(QRectF(7, 13, 18, 9));
  p.drawRect(QRectF(11, 7, 10, 6));
  p.drawRect(QRectF(11, 19, 10, 7));
}

}  // namespace

QIcon commandIcon(int command) {
  switch (command) {
    case CmdMeasureStandard: return listTile(kStandardGreen, measureGlyph, RecordList::Standards);
    case CmdMeasureSample: return listTile(kSampleBlue, measureGlyph, RecordList::Samples);
    case CmdAutoNamingStandard:
      return listTile(kStandardGreen, autoNameGlyph, RecordList::Standards);
    case CmdAutoNamingSample: return listTile(kSampleBlue, autoNameGlyph, RecordList::Samples);
    case CmdDeleteStandard:
      return listTile(kStandardGreen.darker(115), deleteGlyph, RecordList::Standards);
    case CmdDeleteSample:
      return listTile(kSampleBlue.darker(115), deleteGlyph, RecordList::Samples);
    case CmdInstrumentStatus: return tile(kInk, [](QPainter& p) { letter(p, "i", 20); });
    case CmdBlackCalibration:
      return tile(kInk, [](QPainter& p) {
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(16, 16), 9, 9);
      });
    case CmdWhiteCalibration:
      return tile(kInk, [](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 16), 9, 9);
      });
    case CmdUploadStandards: return listTile(kStandardGreen, uploadGlyph, RecordList::Standards);
    case CmdUploadSamples: return listTile(kSampleBlue, uploadGlyph, RecordList::Samples);
    case CmdPrintColorDiff: return tile(kInk, printGlyph);
    case CmdPrintCumulative:
      return tile(kInk, [](QPainter& p) {
        printGlyph(p);
        p.drawLine(QPointF(13, 22), QPointF(19, 22));
      });
    case CmdUserManual:
      return tile(kInk, [](QPainter& p) {
        p.drawRect(QRectF(9, 7, 14, 18));
        p.drawLine(QPointF(12, 12), QPointF(20, 12));
        p.drawLine(QPointF(12, 16), QPointF(20, 16));
        p.drawLine(QPointF(12, 20), QPointF(18, 20));
      });
    case CmdAbout: return tile(kInk, [](QPainter& p) { letter(p, "?", 20); });
    default: return {};
  }
}

QIcon applicationIcon() {
  QPixmap pm(kSize, kSize);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QColor colours[3] = {kRed, kStandardGreen, kSampleBlue};
  const QPointF centres[3] = {{12, 12}, {20, 12}, {16, 20}};
  for (int i = 0; i < 3; ++i) {
    QColor c = colours[i];
    c.setAlpha(200);
    p.setBrush(c);
    p.drawEllipse(centres[i], 9, 9);
  }
  return QIcon(pm);
}

}  // namespace corvana::ui
