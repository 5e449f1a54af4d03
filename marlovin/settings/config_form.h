// The options dialog.
#pragma once

#include "marlovin/shell/form.h"

namespace marlovin {

class TConfigForm : public Form {
 public:
  TConfigForm() { CreateForm({L"Marlovin.TConfigForm", L"Marlovin options dialog", 569, 544}); }
};

}  // namespace marlovin
