// ListFolderTree over a tree of 100 000 files in 1 000 folders, against `find` listing
// the same tree in the same run. Prints the ratio of the medians; the goal is at most 1.5.
//   folder_tree_bench [tree folder]   (default: build/bench-tree; made on first use)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "marlovin/shell/archive_utils.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 1000;
constexpr int kFilesPerFolder = 100;
constexpr double kGoal = 1.5;

fs::path g_tree;

using Clock = std::chrono::steady_clock;
double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// 10 top folders x 10 x 10 nested, 100 files in each leaf-level folder: 1 000 folders
// with files, names mixing letters, digits and punctuation.
void MakeTree(const fs::path& root) {
  const fs::path done = root / ".complete";
  if (fs::exists(done)) return;
  fs::remove_all(root);
  int folders = 0;
  for (int a = 0; a < 10; ++a) {
    for (int b = 0; b < 10; ++b) {
      for (int c = 0; c < 10; ++c, ++folders) {
        const fs::path folder = root / ("Top_" + std::to_string(a)) / ("mid-" + std::to_string(b)) /
                                ("Leaf " + std::to_string(c));
        fs::create_directories(folder);
        for (int f = 0; f < kFilesPerFolder; ++f) {
          std::ofstream(folder / ("File_" + std::to_string(f) + (f % 2 ? ".txt" : ".Dat")));
        }
      }
    }
  }
  std::ofstream(done) << folders;
}

std::size_t ListOnce() {
  std::vector<std::string> result;
  marlovin::TOptionsStruct options;
  options.IncludeFolders = options.IncludeFiles = options.CutMasks = options.StripFolderMasks = true;
  marlovin::ListFolderTree(g_tree.string() + "\\*.*", result, options);
  return result.size();
}

void FindOnce() {
  const std::string command = "find '" + g_tree.string() + "' > /dev/null";
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "find failed\n");
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

// The two are timed in turns, so that a slow moment of the machine hits both alike.
int main(int argc, char** argv) {
  g_tree = argc > 1 ? fs::path(argv[1]) : fs::path("build/bench-tree");
  constexpr int kRounds = 15;
  std::printf("tree: %s (%d folders x %d files), %d rounds\n", g_tree.c_str(), kFolders, kFilesPerFolder, kRounds);
  MakeTree(g_tree);
  ListOnce();  // warm the file system caches for both
  FindOnce();
  std::vector<double> ours, find;
  std::size_t entries = 0;
  for (int round = 0; round < kRounds; ++round) {
    auto start = Clock::now();
    entries = ListOnce();
    ours.push_back(Milliseconds(Clock::now() - start));
    start = Clock::now();
    FindOnce();
    find.push_back(Milliseconds(Clock::now() - start));
  }
  const double ratio = Median(ours) / Median(find);
  std::printf("ListFolderTree: median %.1f ms (%zu entries)\n", Median(ours), entries);
  std::printf("find:           median %.1f ms\n", Median(find));
  std::printf("ListFolderTree / find: %.2f  (goal: at most %.1f) %s\n", ratio, kGoal, ratio <= kGoal ? "met" : "NOT MET");
  return 0;
}
