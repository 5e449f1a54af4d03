// A number field with up and down arrows that never holds a value outside its range.
// The edit control and its arrows are children of `parent`; the edit's notifications
// (EN_CHANGE, EN_KILLFOCUS) go to the parent with the field's id, which passes them on
// to TakeText and ShowValue.
#pragma once

#include <windows.h>

namespace win32 {

class SpinEdit {
 public:
  // `bounds` in 96-DPI pixels, parent coordinates, arrows included. At most `maxChars`
  // characters can be typed.
  SpinEdit(HWND parent, int id, const RECT& bounds, int minimum, int maximum, int value, int maxChars = 5);

  SpinEdit(const SpinEdit&) = delete;
  SpinEdit& operator=(const SpinEdit&) = delete;

  HWND Edit() const noexcept { return edit_; }
  HWND Arrows() const noexcept { return arrows_; }
  int Id() const noexcept { return id_; }
  int Value() const noexcept { return value_; }

  // Holds the value within range and shows it.
  void SetValue(int value);

  // Takes the typed text: a number beyond a bound makes the field show the bound; text
  // that is no number yet (an emptied field) keeps the value. Returns the value held.
  int TakeText();

  // Shows the value held (when the field is left empty, for example).
  void ShowValue();

  void SetFont(HFONT font);

 private:
  int Hold(int value) const noexcept { return value < minimum_ ? minimum_ : value > maximum_ ? maximum_ : value; }

  // Both windows belong to the parent, which destroys them with itself.
  HWND edit_ = nullptr;
  HWND arrows_ = nullptr;
  int id_;
  int minimum_;
  int maximum_;
  int value_;
};

}  // namespace win32
