#pragma once
// Replays the reflectance plots' drawing lists onto any QPainter: a widget,
// an image, later a printer page. One replay for every surface, so a pane
// looks the same on screen and in a saved picture.
#include <QFont>
#include <QImage>
#include <QPainter>

#include "plots/spectral_primitives.h"

namespace corvana {

// The Qt font of a plot font. Point sizes become pixels at the screen's
// logical resolution, the same for a widget and an image.
QFont spectralFont(const spectral::Font& font);

// Text widths measured with spectralFont().
spectral::TextWidth spectralTextWidth();

// The spectrum strip as an image, built once.
const QImage& spectrumImage();

class SpectralPainter {
 public:
  // The list that ImageId::CachedBackground stands for; it is drawn once per
  // generation and device pixel ratio and then copied.
  void setBackground(const spectral::DrawList* background, int generation);

  void paint(QPainter& painter, const spectral::DrawList& list);

  // Texts are clipped to their boxes; with `onlyWider` only those wider than
  // their box, which keeps a printed page's file small (a clip path per text
  // is a third of a long report's PDF).
  void setClipOnlyWiderTexts(bool onlyWider) { clipOnlyWider_ = onlyWider; }

  // How often the cached background was drawn (tests).
  int backgroundRenders() const { return backgroundRenders_; }

 private:
  void drawImage(QPainter& painter, const spectral::ImagePlacement& placement);
  const QImage& cachedBackground(QSize size, qreal ratio);

  const spectral::DrawList* background_ = nullptr;
  int generation_ = -1;
  int cachedGeneration_ = -1;
  qreal cachedRatio_ = 0;
  QImage cache_;
  int backgroundRenders_ = 0;
  bool clipOnlyWider_ = false;
};

}  // namespace corvana
