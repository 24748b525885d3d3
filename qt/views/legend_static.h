#pragma once
// A legend text followed by a line sample in the curve's pen (the opacity
// dialog's legends). Nothing shows while the text is empty.
#include <QString>
#include <QWidget>
#include <cstdint>

namespace corvana {

// Pen styles by their numbers: 0 solid, 1 dash, 2 dot, 3 dash-dot,
// 4 dash-dot-dot, 5 none; others draw solid.
Qt::PenStyle penStyleOf(int style);

class LegendStatic : public QWidget {
  Q_OBJECT
 public:
  explicit LegendStatic(QWidget* parent = nullptr);
  void setText(const QString& text);
  void setPenStyle(int style);
  void setPenColor(std::uint32_t bgr);  // 0x00BBGGRR
  void setPenWidth(int width);
  const QString& text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString text_;
  int penStyle_ = 0;
  std::uint32_t penColor_ = 0;
  int penWidth_ = 1;
};

}  // namespace corvana
