// The letter-size choice: four conversions of every New Name, chosen by index.
#pragma once

#include <array>

#include "penderil/rename_list.h"

namespace penderil {

void LeaveNamesUnchanged(RenameList& list);
// Small letters / capitals by the user's locale, accented letters included.
void NamesToSmall(RenameList& list);
void NamesToCapitals(RenameList& list);
// The first character a capital, every other one small; only A-Z and a-z change.
void NamesToFirstCapital(RenameList& list);

using LetterSizeOperation = void (*)(RenameList&);

struct LetterSizeChoice {
  const char* text;
  LetterSizeOperation operation;
};

inline constexpr std::array<LetterSizeChoice, 4> kLetterSizeChoices = {{
    {"Leave file names unchanged.", LeaveNamesUnchanged},
    {"Change all letters to small.", NamesToSmall},
    {"Changle all letters to Capitals.", NamesToCapitals},
    {"Only first capital letter.", NamesToFirstCapital},
}};

// Runs the conversion of choice `index`; an index outside the table does nothing.
void ApplyLetterSize(RenameList& list, int index);

}  // namespace penderil
