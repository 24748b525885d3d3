#pragma once
// The opacity reports' legend-and-plot picture painted for real: the image
// the word-processor report embeds.
#include <QImage>
#include <vector>

#include "reports/opacity/opacity_rule.h"

namespace corvana::ui {

// 400 x 300 pixels on white, the legends measured in the 16-pixel opacity font.
QImage opacityPictureImage(const OpacityReport& report);
// The same as PNG bytes; empty when encoding fails (the report then has none).
std::vector<unsigned char> opacityPicturePng(const OpacityReport& report);

}  // namespace corvana::ui
