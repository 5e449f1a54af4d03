#include "win32/testing/message_box_answers.h"

#include "win32/utf.h"

namespace win32::testing {

namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static control holding a message box's text

std::string Text(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return Narrow(text);
}

}  // namespace

MessageBoxAnswers::MessageBoxAnswers(std::vector<int> buttons)
    : buttons_(std::move(buttons)), expect_([this](HWND box) { return Answer(box); }) {}

std::vector<MessageBoxAnswers::Box> MessageBoxAnswers::Boxes() {
  std::lock_guard lock(mutex_);
  return boxes_;
}

bool MessageBoxAnswers::Answer(HWND box) {
  std::lock_guard lock(mutex_);
  if (answered_.contains(box)) return true;
  if (boxes_.size() >= buttons_.size()) return false;
  const HWND message = GetDlgItem(box, kMessageTextId);
  boxes_.push_back({Text(box), message ? Text(message) : std::string(), GetDlgItem(box, IDOK) != nullptr,
                    GetDlgItem(box, IDCANCEL) != nullptr, GetDlgItem(box, IDYES) != nullptr,
                    GetDlgItem(box, IDNO) != nullptr});
  answered_.insert(box);
  PressDialogButton(box, buttons_[boxes_.size() - 1]);
  return true;
}

}  // namespace win32::testing
