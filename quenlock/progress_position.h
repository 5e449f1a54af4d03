// The progress bar of a cipher job: range 0 to 1000, starting at 500. The bar is
// repainted only when its rounded position changes, so a job reports progress after
// every chunk but repaints at most 1000 times, however large the file.
#pragma once

#include <cstdint>
#include <functional>

namespace quenlock {

constexpr int kProgressRange = 1000;
constexpr int kProgressStart = 500;

// Porgress / Size * 1000, rounded to the nearest integer; 0 for an empty job.
int ProgressPosition(std::int64_t Porgress, std::int64_t Size);

class ProgressRepaint {
 public:
  // `repaint` moves the bar to a new position and shows it at once.
  explicit ProgressRepaint(std::function<void(int position)> repaint, int position = kProgressStart);

  // The cipher's progress event: repaints when the position changed.
  void CipherProgress(std::int64_t Porgress, std::int64_t Size);

  int Position() const noexcept { return position_; }

 private:
  std::function<void(int)> repaint_;
  int position_;
};

}  // namespace quenlock
