// The session prompt.
#pragma once

#include "marlovin/shell/form.h"

namespace marlovin {

class TSimpleDialogForm : public Form {
 public:
  TSimpleDialogForm() { CreateForm({L"Marlovin.TSimpleDialogForm", L"Hello", 382, 164}); }
};

}  // namespace marlovin
