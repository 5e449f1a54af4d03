#include "win32/controls/image_button.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "win32/buffered_paint.h"
#include "win32/dpi.h"

namespace win32 {

ImageButton::ImageButton(HWND parent, int id, const RECT& bounds, ButtonPainter painter, const std::wstring& hint)
    : id_(id), painter_(std::move(painter)) {
  const UINT dpi = DpiOf(parent);
  Create({.name = L"Suite.ImageButton"},
         {.style = WS_CHILD | WS_VISIBLE,
          .x = ScaleForDpi(bounds.left, dpi),
          .y = ScaleForDpi(bounds.top, dpi),
          .width = ScaleForDpi(bounds.right - bounds.left, dpi),
          .height = ScaleForDpi(bounds.bottom - bounds.top, dpi),
          .parent = parent,
          .id = static_cast<UINT_PTR>(id)});
  if (!hint.empty()) {
    tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Handle());
    tool.lpszText = const_cast<wchar_t*>(hint.c_str());
    SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

ButtonState ImageButton::State() const noexcept {
  if (!IsWindowEnabled(Handle())) return ButtonState::Disabled;
  if (pressed_ && hot_) return ButtonState::Pressed;
  return hot_ ? ButtonState::Hot : ButtonState::Normal;
}

void ImageButton::SetEnabled(bool enabled) {
  EnableWindow(Handle(), enabled ? TRUE : FALSE);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void ImageButton::SetPainter(ButtonPainter painter) {
  painter_ = std::move(painter);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void ImageButton::SetFlags(bool hot, bool pressed) {
  if (hot == hot_ && pressed == pressed_) return;
  hot_ = hot;
  pressed_ = pressed;
  InvalidateRect(Handle(), nullptr, FALSE);
}

bool ImageButton::CursorInside(LPARAM lParam) const {
  RECT client;
  GetClientRect(Handle(), &client);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return PtInRect(&client, point) != FALSE;
}

LRESULT ImageButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      if (!hot_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
      }
      SetFlags(pressed_ ? CursorInside(lParam) : true, pressed_);
      return 0;
    case WM_MOUSELEAVE:
      SetFlags(false, pressed_);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(Handle());
      SetFlags(true, true);
      return 0;
    case WM_LBUTTONUP: {
      const bool click = pressed_ && CursorInside(lParam);
      if (GetCapture() == Handle()) ReleaseCapture();
      SetFlags(CursorInside(lParam), false);
      if (click) SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED), reinterpret_cast<LPARAM>(Handle()));
      return 0;
    }
    case WM_CAPTURECHANGED:
      SetFlags(hot_, false);
      return 0;
    case WM_ENABLE:
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    default:
      break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void ImageButton::OnPaint(HDC dc, const RECT&) {
  RECT client;
  GetClientRect(Handle(), &client);
  PaintBuffered(dc, client, [&](HDC buffer) {
    if (painter_) painter_(buffer, client, State());
  });
}

namespace {

COLORREF Shade(COLORREF colour, int delta) {
  const auto clamp = [](int v) { return static_cast<BYTE>(v < 0 ? 0 : v > 255 ? 255 : v); };
  return RGB(clamp(GetRValue(colour) + delta), clamp(GetGValue(colour) + delta), clamp(GetBValue(colour) + delta));
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

}  // namespace

ButtonPainter CaptionButtonPainter(CaptionGlyph glyph, COLORREF background) {
  return [glyph, background](HDC dc, const RECT& area, ButtonState state) {
    const COLORREF fill = state == ButtonState::Pressed ? Shade(background, -40)
                          : state == ButtonState::Hot   ? Shade(background, 25)
                                                        : background;
    const UniqueHbrush brush(CreateSolidBrush(fill));
    FillRect(dc, &area, brush.get());
    if (state == ButtonState::Hot || state == ButtonState::Pressed) {
      const UniqueHbrush frame(CreateSolidBrush(Shade(background, -80)));
      FrameRect(dc, &area, frame.get());
    }
    const int size = (std::min(area.right - area.left, area.bottom - area.top) * 2) / 5;
    const int cx = (area.left + area.right) / 2;
    const int cy = (area.top + area.bottom) / 2;
    const int l = cx - size / 2, t = cy - size / 2, r = l + size, b = t + size;
    const COLORREF ink = state == ButtonState::Disabled ? RGB(160, 160, 160) : RGB(40, 40, 40);
    const UniqueHpen pen(CreatePen(PS_SOLID, std::max(1, size / 6), ink));
    const ScopedSelect selectPen(dc, pen.get());
    const ScopedSelect selectBrush(dc, GetStockObject(NULL_BRUSH));
    switch (glyph) {
      case CaptionGlyph::Close:
        Line(dc, l, t, r + 1, b + 1);
        Line(dc, r, t, l - 1, b + 1);
        break;
      case CaptionGlyph::Minimize:
        Line(dc, l, b, r + 1, b);
        break;
      case CaptionGlyph::Maximize:
        Rectangle(dc, l, t, r + 1, b + 1);
        Line(dc, l, t + 1, r, t + 1);
        break;
      case CaptionGlyph::Restore: {
        const int step = std::max(2, size / 4);
        Rectangle(dc, l, t + step, r - step + 1, b + 1);
        Line(dc, l + step, t, r, t);
        Line(dc, r, t, r, b - step);
        break;
      }
    }
  };
}

}  // namespace win32
