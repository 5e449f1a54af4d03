// The primary screen and the desktop work area through the system parameter service,
// as the side bar's docking needs them.
#pragma once

#include "marlovin/shell/dock_state.h"

namespace marlovin {

class SystemDesktop : public DockDesktop {
 public:
  int ScreenWidth() const override;
  int ScreenHeight() const override;
  TRect GetWorkArea() const override;
  // Tells the other windows of the change (SPIF_SENDCHANGE).
  bool SetWorkArea(const TRect& area) override;
  void ActivateDesktop() override;
};

}  // namespace marlovin
