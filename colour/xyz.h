#pragma once

namespace corvana {

// Tristimulus values, Y of a perfect white 100.
struct Xyz {
  float X = 0, Y = 0, Z = 0;
};

}  // namespace corvana
