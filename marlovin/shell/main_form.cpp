#include "marlovin/shell/main_form.h"

#include "marlovin/explorer/explorer_windows.h"
#include "marlovin/settings/options_paths.h"
#include "marlovin/shell/single_instance.h"
#include "win32/application.h"
#include "win32/dpi.h"
#include "win32/handles.h"

namespace marlovin {

namespace {

// Design values, in 96-DPI pixels.
constexpr int kDesignLeft = 44;
constexpr int kDesignTop = 44;
constexpr int kBarWidth = 45;        // border included
constexpr int kBorderWidth = 2;
constexpr int kClientHeight = 544;   // inside the border
constexpr COLORREF kFormColour = RGB(255, 255, 255);
constexpr COLORREF kPanelColour = RGB(221, 221, 221);  // 14540253

const TMarlovinOptionsStruct kDefaultOptions{};

}  // namespace

TFormMain::TFormMain() {
  const UINT dpi = win32::DpiOf(nullptr);
  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  Create({.name = kClassName},
         {.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
          .style = WS_POPUP | WS_CLIPCHILDREN,
          .title = L"Marlovin",
          .x = scale(kDesignLeft),
          .y = scale(kDesignTop),
          .width = scale(kBarWidth),
          .height = scale(kClientHeight + 2 * kBorderWidth)});
  LoadOptionsAndSessions();
  FormCreate();
}

TFormMain::~TFormMain() = default;

const TMarlovinOptionsStruct& TFormMain::Options() const { return config_ ? *config_ : kDefaultOptions; }

void TFormMain::AddSessionMenuEntries(const std::string& name) { sessionEntries_.push_back(name); }

void TFormMain::LoadOptionsAndSessions() {
  try {
    config_ = CreateSideBarConfig();
    for (const std::string& name : TMarlovinTextConfig::GetSessionNames(config_->FileName)) {
      AddSessionMenuEntries(name);
    }
  } catch (...) {
    MessageBoxW(nullptr, L"Init Failes", win32::ApplicationTitle().c_str(), MB_OK);
  }
}

void TFormMain::FormCreate() { enumerate_explorers::CreateExplorerLists(); }

void TFormMain::FormClose() {
  config_.reset();  // records the last session when that option is on; never throws
  enumerate_explorers::FreeExplorerLists();
}

LRESULT TFormMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == ShowRunningBarMessage()) {
    BringToFront();
    return 0;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void TFormMain::OnPaint(HDC dc, const RECT&) {
  RECT area;
  GetClientRect(Handle(), &area);
  const win32::UniqueHbrush form(CreateSolidBrush(kFormColour));
  FillRect(dc, &area, form.get());
  const int border = win32::ScaleForDpi(kBorderWidth, win32::DpiOf(Handle()));
  InflateRect(&area, -border, -border);
  const win32::UniqueHbrush panel(CreateSolidBrush(kPanelColour));
  FillRect(dc, &area, panel.get());
}

bool TFormMain::OnClose() {
  FormClose();
  return false;  // the window is destroyed as usual, which ends the program
}

void TFormMain::OnDestroy() { PostQuitMessage(0); }

void TFormMain::BringToFront() {
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
}

}  // namespace marlovin
