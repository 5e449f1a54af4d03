#include "win32/controls/gradient_panel.h"

#include "win32/buffered_paint.h"
#include "win32/dpi.h"

namespace win32 {

namespace {

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
  return {x, y, static_cast<COLOR16>(GetRValue(colour) << 8), static_cast<COLOR16>(GetGValue(colour) << 8),
          static_cast<COLOR16>(GetBValue(colour) << 8), 0};
}

COLORREF Mix(COLORREF a, COLORREF b) {
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

}  // namespace

void PaintGradient(HDC dc, const RECT& area, COLORREF from, COLORREF to, GradientDirection direction) {
  if (direction == GradientDirection::Diagonal) {
    // Two triangles: top-left corner `from`, bottom-right `to`, the other corners between.
    const COLORREF middle = Mix(from, to);
    TRIVERTEX vertices[4] = {Vertex(area.left, area.top, from), Vertex(area.right, area.top, middle),
                             Vertex(area.left, area.bottom, middle), Vertex(area.right, area.bottom, to)};
    GRADIENT_TRIANGLE triangles[2] = {{0, 1, 2}, {1, 3, 2}};
    GradientFill(dc, vertices, 4, triangles, 2, GRADIENT_FILL_TRIANGLE);
    return;
  }
  TRIVERTEX vertices[2] = {Vertex(area.left, area.top, from), Vertex(area.right, area.bottom, to)};
  GRADIENT_RECT rect = {0, 1};
  GradientFill(dc, vertices, 2, &rect, 1,
               direction == GradientDirection::Vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

GradientPanel::GradientPanel(HWND parent, int id, const RECT& bounds, const GradientPanelStyle& style)
    : style_(style) {
  const UINT dpi = DpiOf(parent);
  Create({.name = L"Suite.GradientPanel"},
         {.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
          .x = ScaleForDpi(bounds.left, dpi),
          .y = ScaleForDpi(bounds.top, dpi),
          .width = ScaleForDpi(bounds.right - bounds.left, dpi),
          .height = ScaleForDpi(bounds.bottom - bounds.top, dpi),
          .parent = parent,
          .id = static_cast<UINT_PTR>(id)});
}

void GradientPanel::SetStyle(const GradientPanelStyle& style) {
  style_ = style;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void GradientPanel::AddLabel(PanelLabel label) {
  labels_.push_back(std::move(label));
  InvalidateRect(Handle(), nullptr, TRUE);
}

void GradientPanel::SetLabelText(int id, const std::wstring& text) {
  for (auto& label : labels_) {
    if (label.id != id) continue;
    label.text = text;
    const RECT area = Scaled(label.bounds);
    InvalidateRect(Handle(), &area, TRUE);
  }
}

const std::wstring* GradientPanel::LabelText(int id) const {
  for (const auto& label : labels_) {
    if (label.id == id) return &label.text;
  }
  return nullptr;
}

RECT GradientPanel::Scaled(const RECT& bounds) const {
  const UINT dpi = DpiOf(Handle());
  return {ScaleForDpi(bounds.left, dpi), ScaleForDpi(bounds.top, dpi), ScaleForDpi(bounds.right, dpi),
          ScaleForDpi(bounds.bottom, dpi)};
}

LRESULT GradientPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers everything
    case WM_LBUTTONDOWN:
      if (style_.dragsWindow) {
        ReleaseCapture();
        SendMessageW(GetAncestor(Handle(), GA_ROOT), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return 0;
      }
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_HSCROLL:
    case WM_VSCROLL:
      return SendMessageW(GetParent(Handle()), message, wParam, lParam);
    default:
      break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void GradientPanel::OnPaint(HDC dc, const RECT&) {
  RECT client;
  GetClientRect(Handle(), &client);
  PaintBuffered(dc, client, [&](HDC buffer) {
    PaintGradient(buffer, client, style_.from, style_.to, style_.direction);
    SetBkMode(buffer, TRANSPARENT);
    for (const auto& label : labels_) {
      const ScopedSelect selectFont(buffer, label.font ? label.font : GetStockObject(DEFAULT_GUI_FONT));
      SetTextColor(buffer, label.colour);
      RECT area = Scaled(label.bounds);
      DrawTextW(buffer, label.text.c_str(), static_cast<int>(label.text.size()), &area, label.format);
    }
  });
}

}  // namespace win32
