#include "penderil/letter_size.h"

#include "common/text_case.h"

namespace penderil {

void LeaveNamesUnchanged(RenameList&) {}

void NamesToSmall(RenameList& list) {
  for (auto& entry : list) entry.newName = common::ToLowerText(entry.newName);
}

void NamesToCapitals(RenameList& list) {
  for (auto& entry : list) entry.newName = common::ToUpperText(entry.newName);
}

void NamesToFirstCapital(RenameList& list) {
  for (auto& entry : list) {
    std::string& name = entry.newName;
    for (std::size_t i = 0; i < name.size(); ++i) {
      char& c = name[i];
      if (i == 0 && c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
      if (i > 0 && c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
  }
}

void ApplyLetterSize(RenameList& list, int index) {
  if (index < 0 || index >= static_cast<int>(kLetterSizeChoices.size())) return;
  kLetterSizeChoices[static_cast<std::size_t>(index)].operation(list);
}

}  // namespace penderil
