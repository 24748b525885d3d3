#pragma once
// The limits typed in the tolerance dialog for every illuminant slot, kept
// from the first edit to OK or Cancel, so switching the illuminant loses
// nothing that was typed.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "colour/color_space.h"
#include "colour/tolerance.h"

namespace corvana {

// One limit field of a slot: entry 0..3, a lower limit only for 0..2.
struct LimitField {
  int entry = 0;
  bool lower = false;
  friend bool operator==(const LimitField&, const LimitField&) = default;
};
constexpr int kLimitFieldsPerSlot = 7;
// The order of the checks: entry by entry, each lower limit before its upper.
const std::array<LimitField, kLimitFieldsPerSlot>& limitFields();

struct RefusedLimit {
  int slot;
  LimitField field;
};

class ToleranceDrafts {
 public:
  // The stored limits of every slot, as the dialog shows them ("%6.2f").
  explicit ToleranceDrafts(const ToleranceTable& limits);

  const std::string& text(int slot, LimitField field) const;
  void setText(int slot, LimitField field, std::string text);
  // A text of the slot differs from what was loaded or last stored.
  bool edited(int slot) const;

  // The slots OK stores, among those with an illuminant: the shown one
  // first (-1: none), then the edited ones in slot order. Untouched slots
  // keep their stored precision.
  std::vector<int> slotsToStore(int shownSlot, const std::vector<int>& available) const;
  // The first field outside its range, slot by slot in the given order.
  std::optional<RefusedLimit> firstRefused(ColorSpace space,
                                           const std::vector<int>& slotList) const;
  // Writes the slots' texts as numbers; they become what `edited` compares with.
  void store(ToleranceTable& limits, const std::vector<int>& slotList);

 private:
  using SlotTexts = std::array<std::string, kLimitFieldsPerSlot>;
  std::array<SlotTexts, kIlluminantSlots> texts_;
  std::array<SlotTexts, kIlluminantSlots> stored_;
};

}  // namespace corvana
