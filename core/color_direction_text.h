#pragma once
#include <string>

namespace corvana {

// "R+, Y--, L-" style description, in the current language, of how the
// sample departs from the standard.
std::string colorDirectionText(float dL, float da, float db, float standardA, float standardB);

}  // namespace corvana
