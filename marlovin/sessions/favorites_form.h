// The bookmarks window.
#pragma once

#include "marlovin/shell/form.h"

namespace marlovin {

class TFavoritesForm : public Form {
 public:
  TFavoritesForm() { CreateForm({L"Marlovin.TFavoritesForm", L"Manage / View favorites", 736, 276}); }
};

}  // namespace marlovin
