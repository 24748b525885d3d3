#pragma once
// A rectangle filled with one colour (the opacity dialog's swatches).
#include <QWidget>
#include <cstdint>

namespace corvana {

// A 0x00BBGGRR colour as Qt's colour.
QColor colorOfBgr(std::uint32_t bgr);

class ColorStatic : public QWidget {
  Q_OBJECT
 public:
  explicit ColorStatic(QWidget* parent = nullptr);
  // 0x00BBGGRR.
  void setColor(std::uint32_t bgr);
  std::uint32_t color() const { return color_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::uint32_t color_ = 0;
};

}  // namespace corvana
