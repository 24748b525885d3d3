#include "reports/print_page.h"

namespace corvana {

spectral::DrawList& PrintPage::list() {
  if (layers_.empty() || !std::holds_alternative<spectral::DrawList>(layers_.back()))
    layers_.emplace_back(spectral::DrawList(spectral::Rect{0, 0, width_, height_}));
  return std::get<spectral::DrawList>(layers_.back());
}

PlotPrimitives& PrintPage::primitives() {
  if (layers_.empty() || !std::holds_alternative<PlotPrimitives>(layers_.back()))
    layers_.emplace_back(PlotPrimitives{});
  return std::get<PlotPrimitives>(layers_.back());
}

}  // namespace corvana
