#include "marlovin/shell/button_pictures.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "win32/handles.h"

namespace marlovin {

namespace {

constexpr COLORREF kOutline = RGB(48, 48, 48);
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(90, 90, 110);
constexpr COLORREF kBlue = RGB(40, 100, 200);
constexpr COLORREF kLightBlue = RGB(190, 220, 250);
constexpr COLORREF kOrange = RGB(230, 120, 20);
constexpr COLORREF kGreen = RGB(30, 150, 60);
constexpr COLORREF kRed = RGB(200, 40, 40);
constexpr COLORREF kCardboard = RGB(200, 150, 90);
constexpr COLORREF kCardboardDark = RGB(150, 100, 50);
constexpr COLORREF kGold = RGB(230, 180, 40);
constexpr COLORREF kSteel = RGB(120, 120, 130);
constexpr COLORREF kYellow = RGB(250, 210, 30);
constexpr COLORREF kRoof = RGB(190, 50, 40);
constexpr COLORREF kWall = RGB(245, 230, 200);
constexpr COLORREF kWood = RGB(130, 80, 40);
constexpr COLORREF kPink = RGB(240, 150, 160);

COLORREF Shade(COLORREF colour, int delta) {
  const auto clamp = [](int v) { return static_cast<BYTE>(std::clamp(v, 0, 255)); };
  return RGB(clamp(GetRValue(colour) + delta), clamp(GetGValue(colour) + delta), clamp(GetBValue(colour) + delta));
}

// Coordinates are in a 32 x 32 design grid, mapped onto a square centred in the button;
// a disabled picture is drawn in light greys.
class Sketch {
 public:
  Sketch(HDC dc, const RECT& area, bool disabled, bool pressed) : dc_(dc), disabled_(disabled) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const int side = std::min(width, height);
    const int pad = std::max(1, side / 10);
    side_ = side - 2 * pad;
    left_ = area.left + (width - side_) / 2 + (pressed ? 1 : 0);
    top_ = area.top + (height - side_) / 2 + (pressed ? 1 : 0);
  }

  POINT P(double x, double y) const {
    return {left_ + static_cast<LONG>(std::lround(x * side_ / 32.0)), top_ + static_cast<LONG>(std::lround(y * side_ / 32.0))};
  }
  int Width(double units) const { return std::max(1, static_cast<int>(std::lround(units * side_ / 32.0))); }

  COLORREF Ink(COLORREF colour) const {
    if (!disabled_) return colour;
    const int luminance = (GetRValue(colour) * 30 + GetGValue(colour) * 59 + GetBValue(colour) * 11) / 100;
    const int grey = 150 + luminance * 85 / 255;
    return RGB(grey, grey, grey);
  }

  void Polygon(std::initializer_list<POINT> points, COLORREF fill, COLORREF outline = kOutline, double pen = 1) {
    const std::vector<POINT> list(points);
    const Tools tools(*this, fill, outline, pen);
    ::Polygon(dc_, list.data(), static_cast<int>(list.size()));
  }
  void Box(double l, double t, double r, double b, COLORREF fill, COLORREF outline = kOutline, double pen = 1) {
    const Tools tools(*this, fill, outline, pen);
    const POINT a = P(l, t), z = P(r, b);
    ::Rectangle(dc_, a.x, a.y, z.x, z.y);
  }
  void Oval(double l, double t, double r, double b, COLORREF fill, COLORREF outline = kOutline, double pen = 1) {
    const Tools tools(*this, fill, outline, pen);
    const POINT a = P(l, t), z = P(r, b);
    ::Ellipse(dc_, a.x, a.y, z.x, z.y);
  }
  void Lines(std::initializer_list<POINT> points, COLORREF colour, double pen) {
    const std::vector<POINT> list(points);
    const win32::UniqueHpen thePen = MakePen(colour, pen);
    const win32::ScopedSelect select(dc_, thePen.get());
    ::Polyline(dc_, list.data(), static_cast<int>(list.size()));
  }
  // An arrow from (x1, y1) to (x2, y2), its head at the end.
  void Arrow(double x1, double y1, double x2, double y2, COLORREF colour, double shaft = 3) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double ux = dx / length, uy = dy / length;
    const double head = 7, half = 5;
    const double bx = x2 - ux * head, by = y2 - uy * head;
    Lines({P(x1, y1), P(bx, by)}, colour, shaft);
    Polygon({P(x2, y2), P(bx - uy * half, by + ux * half), P(bx + uy * half, by - ux * half)}, colour, colour);
  }

 private:
  win32::UniqueHpen MakePen(COLORREF colour, double pen) const {
    return win32::UniqueHpen(CreatePen(PS_SOLID, Width(pen), Ink(colour)));
  }

  // Pen and brush selected for one shape.
  class Tools {
   public:
    Tools(const Sketch& sketch, COLORREF fill, COLORREF outline, double pen)
        : brush_(CreateSolidBrush(sketch.Ink(fill))),
          pen_(sketch.MakePen(outline, pen)),
          selectBrush_(sketch.dc_, brush_.get()),
          selectPen_(sketch.dc_, pen_.get()) {}

   private:
    win32::UniqueHbrush brush_;
    win32::UniqueHpen pen_;
    win32::ScopedSelect selectBrush_;
    win32::ScopedSelect selectPen_;
  };

  HDC dc_;
  bool disabled_;
  int side_ = 0;
  int left_ = 0;
  int top_ = 0;
};

// A sheet of paper with a folded corner and lines of text.
void Sheet(Sketch& s, double l, double t, double r, double b) {
  const double fold = (r - l) / 3;
  s.Polygon({s.P(l, t), s.P(r - fold, t), s.P(r, t + fold), s.P(r, b), s.P(l, b)}, kPaper);
  s.Lines({s.P(r - fold, t), s.P(r - fold, t + fold), s.P(r, t + fold)}, kOutline, 1);
  for (double y = t + fold + 3; y < b - 2; y += 3.5) s.Lines({s.P(l + 3, y), s.P(r - 3, y)}, kText, 1);
}

void Box(Sketch& s) {
  s.Polygon({s.P(4, 16), s.P(28, 16), s.P(28, 29), s.P(4, 29)}, kCardboard);
  s.Polygon({s.P(2, 12), s.P(30, 12), s.P(28, 16), s.P(4, 16)}, kCardboardDark);
  s.Lines({s.P(16, 17), s.P(16, 29)}, kCardboardDark, 2);
}

void Padlock(Sketch& s, bool open) {
  if (open) {
    s.Lines({s.P(10, 15), s.P(10, 9), s.P(12, 5), s.P(16, 3), s.P(20, 5), s.P(22, 9), s.P(22, 11)}, kSteel, 3.5);
  } else {
    s.Lines({s.P(10, 16), s.P(10, 10), s.P(12, 6), s.P(16, 4), s.P(20, 6), s.P(22, 10), s.P(22, 16)}, kSteel, 3.5);
  }
  const double shift = open ? 4 : 0;  // an open lock's body hangs left of its shackle
  s.Box(5 - shift, 15, 27 - shift, 30, kGold);
  s.Oval(14 - shift, 19, 18 - shift, 23, kOutline, kOutline);
  s.Box(15 - shift, 22, 17 - shift, 27, kOutline, kOutline);
}

void Window(Sketch& s, double l, double t, double r, double b) {
  s.Box(l, t, r, b, kPaper);
  s.Box(l, t, r, t + 4, kBlue, kOutline);
}

void Draw(Sketch& s, ButtonPicture picture) {
  switch (picture) {
    case ButtonPicture::Copy:
      Sheet(s, 3, 2, 19, 22);
      Sheet(s, 12, 9, 28, 30);
      break;
    case ButtonPicture::Move:
      Sheet(s, 2, 4, 16, 28);
      s.Arrow(12, 17, 31, 17, kOrange, 4);
      break;
    case ButtonPicture::Rename:
      s.Box(2, 9, 30, 23, kPaper);
      s.Lines({s.P(6, 13), s.P(6, 19)}, kText, 2);
      s.Lines({s.P(9, 19), s.P(11, 13), s.P(13, 19)}, kText, 1.5);
      s.Lines({s.P(16, 12), s.P(16, 20)}, kBlue, 1.5);  // the text cursor
      s.Polygon({s.P(17, 30), s.P(18, 25), s.P(28, 13), s.P(31, 16), s.P(21, 28)}, kYellow);
      s.Polygon({s.P(17, 30), s.P(18, 25), s.P(21, 28)}, kOutline);
      s.Polygon({s.P(28, 13), s.P(29.5, 11), s.P(32, 14), s.P(31, 16)}, kPink);
      break;
    case ButtonPicture::Unpack:
      Box(s);
      s.Arrow(16, 14, 16, 1, kGreen, 4);
      break;
    case ButtonPicture::Pack:
      Box(s);
      s.Arrow(16, 1, 16, 14, kRed, 4);
      break;
    case ButtonPicture::Encode:
      Padlock(s, false);
      break;
    case ButtonPicture::Decode:
      Padlock(s, true);
      break;
    case ButtonPicture::Viewer:
      Sheet(s, 2, 2, 20, 26);
      s.Lines({s.P(20, 20), s.P(29, 29)}, kWood, 4);
      s.Oval(9, 8, 24, 23, kLightBlue, kOutline, 2);
      break;
    case ButtonPicture::Favorites: {
      std::vector<POINT> star;
      for (int i = 0; i < 10; ++i) {
        const double angle = -3.14159265358979 / 2 + i * 3.14159265358979 / 5;
        const double radius = i % 2 == 0 ? 15 : 6.5;
        star.push_back(s.P(16 + radius * std::cos(angle), 17 + radius * std::sin(angle)));
      }
      s.Polygon({star[0], star[1], star[2], star[3], star[4], star[5], star[6], star[7], star[8], star[9]}, kYellow,
                kCardboardDark);
      break;
    }
    case ButtonPicture::Home:
      s.Box(6, 15, 26, 29, kWall);
      s.Polygon({s.P(1, 16), s.P(16, 3), s.P(31, 16)}, kRoof);
      s.Box(13, 20, 19, 29, kWood);
      break;
    case ButtonPicture::ShowHide:
      s.Polygon({s.P(2, 16), s.P(7, 10), s.P(16, 7), s.P(25, 10), s.P(30, 16), s.P(25, 22), s.P(16, 25), s.P(7, 22)},
                kPaper);
      s.Oval(11, 11, 21, 21, kBlue);
      s.Oval(14, 14, 18, 18, kOutline, kOutline);
      s.Lines({s.P(4, 28), s.P(28, 4)}, kRed, 3);
      break;
    case ButtonPicture::TileHorizontally:
      Window(s, 3, 3, 29, 15);
      Window(s, 3, 17, 29, 29);
      break;
    case ButtonPicture::TileVertically:
      Window(s, 3, 3, 15, 29);
      Window(s, 17, 3, 29, 29);
      break;
    case ButtonPicture::List:
      s.Box(5, 4, 27, 31, kCardboard, kCardboardDark);
      s.Box(8, 8, 24, 28, kPaper);
      for (double y = 12; y < 26; y += 4) s.Lines({s.P(10, y), s.P(22, y)}, kText, 1.5);
      s.Box(11, 2, 21, 7, kSteel);
      break;
  }
}

}  // namespace

void PaintButtonPicture(HDC dc, const RECT& area, ButtonPicture picture, win32::ButtonState state, COLORREF panel) {
  using win32::ButtonState;
  const win32::UniqueHbrush background(CreateSolidBrush(panel));
  FillRect(dc, &area, background.get());
  if (state == ButtonState::Hot || state == ButtonState::Pressed) {
    const COLORREF plate = state == ButtonState::Hot ? Shade(panel, 25) : Shade(panel, -35);
    const COLORREF frame = state == ButtonState::Hot ? Shade(panel, -70) : Shade(panel, -110);
    const win32::UniqueHbrush plateBrush(CreateSolidBrush(plate));
    const win32::UniqueHpen framePen(CreatePen(PS_SOLID, 1, frame));
    const win32::ScopedSelect selectBrush(dc, plateBrush.get());
    const win32::ScopedSelect selectPen(dc, framePen.get());
    RoundRect(dc, area.left, area.top, area.right, area.bottom, 5, 5);
  }
  Sketch sketch(dc, area, state == ButtonState::Disabled, state == ButtonState::Pressed);
  Draw(sketch, picture);
}

win32::ButtonPainter PicturePainter(ButtonPicture picture, COLORREF panel) {
  return [picture, panel](HDC dc, const RECT& area, win32::ButtonState state) {
    PaintButtonPicture(dc, area, picture, state, panel);
  };
}

}  // namespace marlovin
