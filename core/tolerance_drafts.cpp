#include "core/tolerance_drafts.h"

#include <algorithm>

#include "core/number_text.h"
#include "core/tolerance_limits.h"

namespace corvana {

namespace {
constexpr std::array<LimitField, kLimitFieldsPerSlot> kFields = {{
    {0, true},
    {0, false},
    {1, true},
    {1, false},
    {2, true},
    {2, false},
    {3, false},
}};

std::size_t fieldIndex(LimitField field) {
  return std::size_t(std::find(kFields.begin(), kFields.end(), field) - kFields.begin());
}

float& limitOf(ToleranceTable& limits, int slot, LimitField field) {
  ToleranceSet& set = limits[std::size_t(toleranceIndex(slot, field.entry))];
  return field.lower ? set.lower : set.upper;
}
}  // namespace

const std::array<LimitField, kLimitFieldsPerSlot>& limitFields() { return kFields; }

ToleranceDrafts::ToleranceDrafts(const ToleranceTable& limits) {
  for (int slot = 0; slot < kIlluminantSlots; ++slot) {
    for (const LimitField field : kFields) {
      const ToleranceSet& set = limits[std::size_t(toleranceIndex(slot, field.entry))];
      texts_[slot][fieldIndex(field)] = formatFixed62(field.lower ? set.lower : set.upper);
    }
  }
  stored_ = texts_;
}

const std::string& ToleranceDrafts::text(int slot, LimitField field) const {
  return texts_[std::size_t(slot)][fieldIndex(field)];
}

void ToleranceDrafts::setText(int slot, LimitField field, std::string text) {
  texts_[std::size_t(slot)][fieldIndex(field)] = std::move(text);
}

bool ToleranceDrafts::edited(int slot) const {
  return texts_[std::size_t(slot)] != stored_[std::size_t(slot)];
}

std::vector<int> ToleranceDrafts::slotsToStore(int shownSlot,
                                               const std::vector<int>& available) const {
  const auto has = [&](int slot) {
    return std::find(available.begin(), available.end(), slot) != available.end();
  };
  std::vector<int> slotList;
  if (has(shownSlot)) slotList.push_back(shownSlot);
  for (int slot = 0; slot < kIlluminantSlots; ++slot)
    if (slot != shownSlot && has(slot) && edited(slot)) slotList.push_back(slot);
  return slotList;
}

std::optional<RefusedLimit> ToleranceDrafts::firstRefused(ColorSpace space,
                                                          const std::vector<int>& slotList) const {
  for (const int slot : slotList) {
    for (const LimitField field : kFields) {
      const LimitRange range = limitRange(space, field.entry, field.lower);
      if (!limitInRange(parseNumber(text(slot, field)), range)) return RefusedLimit{slot, field};
    }
  }
  return std::nullopt;
}

void ToleranceDrafts::store(ToleranceTable& limits, const std::vector<int>& slotList) {
  for (const int slot : slotList) {
    for (const LimitField field : kFields)
      limitOf(limits, slot, field) = float(parseNumber(text(slot, field)));
    stored_[std::size_t(slot)] = texts_[std::size_t(slot)];
  }
}

}  // namespace corvana
