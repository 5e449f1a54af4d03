// The copy-to-destination dialog.
#pragma once

#include "marlovin/shell/form.h"

namespace marlovin {

class TCopyToDestForm : public Form {
 public:
  TCopyToDestForm() { CreateForm({L"Marlovin.TCopyToDestForm", L"Choose a target location ", 713, 107}); }
};

}  // namespace marlovin
