#include "quenlock/progress_position.h"

#include <gtest/gtest.h>

#include <vector>

namespace quenlock {
namespace {

TEST(ProgressPosition, IsTheRoundedShareOfAThousand) {
  const struct { std::int64_t done, size; int position; } cases[] = {
      {0, 100, 0},         {1, 3, 333},          {2, 3, 667},     {1, 2000, 1},  // 0.5 rounds up
      {8192, 8193, 1000},  {100, 100, 1000},     {0, 0, 0},
      {3'000'000'000, 4'000'000'000, 750},  // beyond 32 bits
  };
  for (const auto& c : cases) EXPECT_EQ(ProgressPosition(c.done, c.size), c.position) << c.done << "/" << c.size;
}

// Repaints of the bar for a job of `size` bytes reported after every 8192-byte chunk.
std::vector<int> RepaintsOfAJob(std::int64_t size) {
  std::vector<int> repaints;
  ProgressRepaint bar([&](int position) { repaints.push_back(position); });
  for (std::int64_t done = 8192; done < size; done += 8192) bar.CipherProgress(done, size);
  if (size > 0) bar.CipherProgress(size, size);
  return repaints;
}

TEST(ProgressRepaint, RepaintsOnlyWhenThePositionChanges) {
  for (const std::int64_t size : {std::int64_t{1} << 30, std::int64_t{5} << 30, std::int64_t{100'000'000}}) {
    const auto repaints = RepaintsOfAJob(size);
    // Each of the positions 0 to 1000 at most once, in order, however many chunks.
    ASSERT_FALSE(repaints.empty());
    EXPECT_EQ(repaints.front(), 0) << size;
    EXPECT_EQ(repaints.back(), 1000) << size;
    for (std::size_t i = 1; i < repaints.size(); ++i) ASSERT_GT(repaints[i], repaints[i - 1]) << size;
    EXPECT_EQ(repaints.size(), 1001u) << size;
  }
}

TEST(ProgressRepaint, SmallJobsRepaintOnceOrNotAtAll) {
  EXPECT_EQ(RepaintsOfAJob(0), std::vector<int>{}) << "an empty file leaves the bar at 500";
  EXPECT_EQ(RepaintsOfAJob(8193), std::vector<int>{1000}) << "8192 of 8193 already rounds to 1000";
  EXPECT_EQ(RepaintsOfAJob(16384), std::vector<int>{1000}) << "half way is where the bar starts";
  EXPECT_EQ(RepaintsOfAJob(3 * 8192), (std::vector<int>{333, 667, 1000}));
}

}  // namespace
}  // namespace quenlock
