#pragma once
// Model numbers of the instrument family. The model text an instrument reports
// carries one of them; the first means an SCE instrument, the others SCI.
// The simulator reports the second unless told otherwise.
namespace colorport::sim {

inline constexpr const char* kModelNumbers[3] = {"CM-730", "CM-750", "CM-760"};
inline constexpr const char* kDefaultModelText = "CM-750 Spectrophotometer";

}  // namespace colorport::sim
