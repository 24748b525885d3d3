#include "qt/print/opacity_picture.h"

#include <QBuffer>
#include <QPainter>

#include "qt/views/spectral_painter.h"
#include "reports/opacity/opacity_page.h"

namespace corvana::ui {

QImage opacityPictureImage(const OpacityReport& report) {
  QImage image(kOpacityPictureWidth, kOpacityPictureHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  SpectralPainter lists;
  lists.paint(painter, opacityPicture(report, spectralTextWidth()));
  painter.end();
  return image;
}

std::vector<unsigned char> opacityPicturePng(const OpacityReport& report) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !opacityPictureImage(report).save(&buffer, "PNG"))
    return {};
  return {bytes.begin(), bytes.end()};
}

}  // namespace corvana::ui
