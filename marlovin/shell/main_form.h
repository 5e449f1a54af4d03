// The side bar window: a narrow, borderless, always-on-top strip.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "marlovin/settings/options_store.h"
#include "win32/window.h"

namespace marlovin {

class TFormMain : public win32::Window {
 public:
  static constexpr wchar_t kClassName[] = L"Marlovin.TFormMain";

  // Builds the window and runs the start-up step: creates the options object (which may
  // reopen the last session's folders) and reads the stored session names. When that
  // fails, "Init Failes" is shown and the bar goes on without an options object.
  TFormMain();
  ~TFormMain() override;

  // The options object, or null when it could not be created at start-up.
  TMarlovinTextConfig* Config() const { return config_.get(); }
  // The options in force: the options object's, or the defaults when there is none.
  const TMarlovinOptionsStruct& Options() const;

  // The session names that have menu entries, in the order they were added.
  const std::vector<std::string>& SessionEntries() const { return sessionEntries_; }
  // Gives a session its entries in the Sessions submenus; called for each stored name at
  // start-up, in stored order.
  void AddSessionMenuEntries(const std::string& name);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint(HDC dc, const RECT& dirty) override;
  bool OnClose() override;
  void OnDestroy() override;

 private:
  void LoadOptionsAndSessions();
  void FormCreate();
  void FormClose();
  void BringToFront();

  std::unique_ptr<TMarlovinTextConfig> config_;
  std::vector<std::string> sessionEntries_;
};

}  // namespace marlovin
