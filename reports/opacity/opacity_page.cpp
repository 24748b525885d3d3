#include "reports/opacity/opacity_page.h"

#include <algorithm>
#include <cmath>

#include "core/job.h"
#include "core/language_table.h"
#include "reports/report_texts.h"

namespace corvana {

namespace {

using spectral::DrawList;
using spectral::Font;
using spectral::Rect;
using spectral::TextWidth;

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr unsigned kCentred =
    spectral::AlignHCenter | spectral::AlignVCenter | spectral::SingleLine;
constexpr unsigned kLeft = spectral::AlignLeft | spectral::AlignVCenter | spectral::SingleLine;
constexpr unsigned kRight = spectral::AlignVCenter | spectral::SingleLine;
constexpr int kSectionGap = 20;
constexpr int kRowHeight = 32;
constexpr double kEmPerCell = 0.8;

Rect edges(int left, int top, int right, int bottom) {
  return {left, top, right - left, bottom - top};
}

// Writes a section's texts in one font and gives their extents, as text
// drawn in a selected font is measured in it.
struct Pen {
  DrawList& out;
  Font font;
  const TextWidth& width;

  int w(const std::string& text) const { return width(text, font); }
  int h() const { return opacityFontHeight(font); }
  void text(Rect box, const std::string& text, unsigned flags) const {
    out.text(box, text, flags, font, kBlack);
  }
};

int header(DrawList& out, const OpacityReport& report, const Rect& c, int y, const std::tm& now,
           const TextWidth& width) {
  Pen{out, opacityFont(14), width}.text(edges(c.x, y, c.right(), y + 15), opacityDateTimeText(now),
                                        kRight);
  const Job& job = *report.job;
  const struct {
    const std::string& text;
    int height;
    unsigned flags;
  } bands[] = {{job.ChineseName, 24, kCentred},
               {job.EnglishName, 18, kCentred},
               {job.ChineseAddress, 16, kRight},
               {job.EnglishAddress, 16, kRight}};
  int top = y + 15;
  for (const auto& band : bands) {
    Pen{out, opacityFont(band.height), width}.text(edges(c.x, top, c.right(), top + 36), band.text,
                                                   band.flags);
    top += 36;
  }
  return y + 15 + 4 * 36;
}

int condition(const Pen& pen, const OpacityReport& report, const Rect& c, int y) {
  const std::string heading = numberedHeading(1, Text::TestCondition);
  const int b = y + pen.h() * 3 / 2;
  pen.text(edges(c.x, y, c.x + pen.w(heading), b), heading, kLeft);
  const int bottom = b + pen.h() * 3 / 2;
  pen.text(edges(c.x + 24, b, c.x + 24 + pen.w(report.condition), bottom), report.condition, kLeft);
  return bottom;
}

int picture(const Pen& pen, const OpacityReport& report, const Rect& c, int y) {
  const int x = c.x + (c.width - kOpacityPictureWidth) / 2;
  pen.out.fill({x, y, kOpacityPictureWidth, kOpacityPictureHeight}, kWhite);
  drawOpacityPicture(pen.out, report, x, y, x + kOpacityPictureWidth, y + kOpacityPictureHeight,
                     pen.font, pen.width);
  return y + kOpacityPictureHeight + 10;
}

int testData(const Pen& pen, const OpacityReport& report, const Rect& c, int y) {
  pen.text(edges(c.x, y, c.right(), y + 24), numberedHeading(2, Text::TestData), kLeft);
  const int x0 = c.x + 16, x1 = c.right() - 10, y0 = y + 34;
  const std::vector<std::string> first = {"", LookupText(Text::WhiteBaseSample),
                                          LookupText(Text::BlackBaseSample),
                                          LookupText(Text::Opacity)};
  int widest = 100;
  for (const std::string& text : first) widest = std::max(widest, pen.w(text));
  const int C = std::max(1, report.valueCount());
  const std::vector<int> x = opacityTableEdges(x0, x1, widest + 10, C);

  const std::vector<std::string>* values[] = {&report.valueLabels, &report.whiteValues,
                                              &report.blackValues};
  for (int r = 0; r < 3; ++r) {
    const int top = y0 + r * kRowHeight;
    pen.text(edges(x[0], top, x[1], top + kRowHeight), first[std::size_t(r)], kCentred);
    for (int k = 0; k < C; ++k) {
      const std::vector<std::string>& row = *values[r];
      const std::string text = std::size_t(k) < row.size() ? row[std::size_t(k)] : "";
      pen.text(edges(x[std::size_t(k) + 1], top, x[std::size_t(k) + 2], top + kRowHeight), text,
               kCentred);
    }
  }
  const int last = y0 + 3 * kRowHeight;
  pen.text(edges(x[0], last, x[1], last + kRowHeight), first[3], kCentred);
  pen.text(edges(x[1], last, x1, last + kRowHeight), report.opacityText, kCentred);

  for (int r = 0; r <= 4; ++r)
    pen.out.line({x0, y0 + r * kRowHeight}, {x1, y0 + r * kRowHeight}, kBlack);
  for (int at : {x0, x[1], x1}) pen.out.line({at, y0}, {at, y0 + 4 * kRowHeight}, kBlack);
  for (std::size_t k = 2; k + 1 < x.size(); ++k)
    pen.out.line({x[k], y0}, {x[k], y0 + 3 * kRowHeight}, kBlack);
  return y0 + 4 * kRowHeight + 10;
}

void signatures(const Pen& pen, const OpacityReport& report, const Rect& c, int y) {
  const std::string instrument = LookupText(Text::InstrumentLabel) + " " + report.job->DeviceName;
  const int right = c.right();
  const int b = y + pen.h() * 3 / 2;
  // At least 200 wide to the page's right edge, ending 10 before it; a text
  // wider than that box widens it to the left instead of losing letters.
  const int w = pen.w(instrument);
  pen.text(edges(std::min(right - std::max(w, 200), right - 10 - w), y, right - 10, b), instrument,
           kCentred);
  const std::string audit = LookupText(Text::AuditSignature),
                    test = LookupText(Text::TestSignature);
  const int wa = pen.w(audit), ha = pen.h(), wt = pen.w(test);
  pen.out.line({right, b + ha}, {right - 80, b + ha}, kBlack);
  pen.text(edges(right - 80 - wa, b, right - 80, b + ha), audit, kLeft);
  pen.out.line({right - 80 - wa - 10, b + ha}, {right - 80 - wa - 90, b + ha}, kBlack);
  pen.text(edges(right - 80 - wa - 90 - wt, b, right - 80 - wa - 90, b + ha), test, kLeft);
}

}  // namespace

LogicalMapping opacityPageMapping(const OpacityPrinter& p) {
  return {p.dpiX, p.dpiY, p.dpiX / 3, p.dpiY / 2};
}

Rect opacityContentBox(const OpacityPrinter& p) {
  const LogicalMapping m = opacityPageMapping(p);
  if (p.dpiX <= 0 || p.dpiY <= 0) return {};
  return {0, 0, (p.width - 2 * m.originX) * kLogicalPerInch / p.dpiX,
          (p.height - 2 * m.originY) * kLogicalPerInch / p.dpiY};
}

Font opacityFont(int height) {
  Font font;
  font.face = spectral::FontFace::Opacity;
  font.unit = spectral::FontUnit::Pixels;
  // Fonts are asked for by cell height; the em is about 0.8 of it.
  font.size = std::max(0, height) * kEmPerCell;
  return font;
}

int opacityFontHeight(const Font& font) { return int(std::lround(font.size / kEmPerCell)); }

void drawOpacityPicture(DrawList& out, const OpacityReport& report, int left, int top, int right,
                        int bottom, const Font& font, const TextWidth& textWidth) {
  const OpacityBaseStyle& white = opacityBaseStyle(OpacityBase::White);
  const OpacityBaseStyle& black = opacityBaseStyle(OpacityBase::Black);
  const std::string whiteText = LookupText(white.text), blackText = LookupText(black.text);
  const int w1 = textWidth(whiteText, font), w2 = textWidth(blackText, font);
  const int h = opacityFontHeight(font);  // both texts are one line of the font
  const int H = h * 3 / 2;
  const int x = left + (right - left - w1 - w2 - 120) / 2;
  spectral::drawLegendEntry(out, x, top, x + w1 + 50, top + H, whiteText, white.penStyle, white.bgr,
                            textWidth);
  spectral::drawLegendEntry(out, x + w1 + 70, top, x + w1 + w2 + 120, top + H, blackText,
                            black.penStyle, black.bgr, textWidth);
  out.append(
      spectral::ReflectancePlotStatic::render(left, top + H, right, bottom, report.curves()));
}

DrawList opacityPicture(const OpacityReport& report, const TextWidth& textWidth) {
  DrawList out({0, 0, kOpacityPictureWidth, kOpacityPictureHeight});
  out.fill({0, 0, kOpacityPictureWidth, kOpacityPictureHeight}, kWhite);
  drawOpacityPicture(out, report, 0, 0, kOpacityPictureWidth, kOpacityPictureHeight,
                     opacityFont(16), textWidth);
  return out;
}

std::vector<int> opacityTableEdges(int x0, int x1, int firstWidth, int valueColumns) {
  std::vector<int> x{x0, x0 + firstWidth};
  const int columns = std::max(1, valueColumns);
  const int width = (x1 - x0 - firstWidth) / columns;
  for (int k = 1; k < columns; ++k) x.push_back(x[1] + k * width);
  x.push_back(x1);
  return x;
}

DrawList opacityPageContent(const OpacityReport& report, const Rect& content, const std::tm& now,
                            const TextWidth& textWidth) {
  DrawList out(content);
  if (!report.job) return out;
  const Pen pen{out, opacityFont(16), textWidth};
  int y = content.y;
  y = header(out, report, content, y, now, textWidth) + kSectionGap;
  y = condition(pen, report, content, y) + kSectionGap;
  y = picture(pen, report, content, y) + kSectionGap;
  y = testData(pen, report, content, y) + kSectionGap;
  signatures(pen, report, content, y);
  return out;
}

PrintPage opacityPage(const OpacityReport& report, const OpacityPrinter& printer,
                      const std::tm& now, const TextWidth& deviceWidth) {
  const LogicalMapping mapping = opacityPageMapping(printer);
  const Rect content = opacityContentBox(printer);
  PrintPage page(printer.width, printer.height);
  page.list().append(toDevice(
      opacityPageContent(report, content, now, logicalTextWidth(deviceWidth, mapping)), mapping));
  const int mx = mapping.originX, my = mapping.originY;
  page.setClip({mx, my, printer.width - 2 * mx, printer.height - 2 * my});
  return page;
}

}  // namespace corvana
