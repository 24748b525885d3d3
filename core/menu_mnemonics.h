#pragma once
// Access keys of menu items: each label of one menu level gets a letter no
// other label there has. The letters are chosen on the English texts, so a
// key stays the same when the language changes: English marks the letter in
// place ("Save &As"), Chinese appends it in the usual form ("文件(&F)").
#include <span>
#include <string>
#include <vector>

#include "core/language_table.h"

namespace corvana {

// Labels of one menu level in the current language, in order. Word-initial
// letters are preferred, in item order; an item whose initials are taken
// gets another of its letters; one with no free letter stays without a key.
// "&&" (a literal "&") is kept as it is.
std::vector<std::string> mnemonicLabels(std::span<const Text> rows);

// The access key of a label as a menu shows it: the upper-case letter after
// a single "&", or 0 when there is none.
char mnemonicOf(const std::string& label);

}  // namespace corvana
