#include "quenlock/progress_position.h"

#include <cmath>

namespace quenlock {

int ProgressPosition(std::int64_t Porgress, std::int64_t Size) {
  if (Size <= 0) return 0;
  return static_cast<int>(std::lround(static_cast<double>(Porgress) / static_cast<double>(Size) * kProgressRange));
}

ProgressRepaint::ProgressRepaint(std::function<void(int)> repaint, int position)
    : repaint_(std::move(repaint)), position_(position) {}

void ProgressRepaint::CipherProgress(std::int64_t Porgress, std::int64_t Size) {
  const int position = ProgressPosition(Porgress, Size);
  if (position == position_) return;
  position_ = position;
  repaint_(position);
}

}  // namespace quenlock
