// Galdrin's report body under Wine's WMI: one connection for the whole report against a
// fresh connection for every question (the reference), measured in the same run.
// Prints the median of each and their ratio.
//   galdrin_report_bench [rounds]   (default 9)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "galdrin/report_body.h"
#include "galdrin/wmi_source.h"
#include "win32/com.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double milliseconds;
  int connections;
  std::size_t lines;
};

Sample BuildReport(galdrin::WmiSource::Connection connection) {
  const auto start = Clock::now();
  galdrin::WmiSource wmi(connection);
  galdrin::ReportBody body(wmi, galdrin::kRowColour, ".", {});
  body.FillInAllSections();
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  return {ms, wmi.Connections(), body.Lines().size()};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  const win32::ComInitializer com;
  BuildReport(galdrin::WmiSource::Connection::OncePerReport);  // warm WMI up
  std::vector<double> once, each;
  Sample lastOnce{}, lastEach{};
  for (int round = 0; round < rounds; ++round) {
    lastOnce = BuildReport(galdrin::WmiSource::Connection::OncePerReport);
    lastEach = BuildReport(galdrin::WmiSource::Connection::PerQuestion);
    once.push_back(lastOnce.milliseconds);
    each.push_back(lastEach.milliseconds);
  }
  if (lastOnce.lines != lastEach.lines) {
    std::fprintf(stderr, "the two ways gave different reports (%zu and %zu lines)\n", lastOnce.lines, lastEach.lines);
    return 1;
  }
  const double medianOnce = Median(once), medianEach = Median(each);
  std::printf("report body, %d rounds, %zu lines\n", rounds, lastOnce.lines);
  std::printf("  one connection per report:   median %8.2f ms (%d connection)\n", medianOnce, lastOnce.connections);
  std::printf("  one connection per question: median %8.2f ms (%d connections)\n", medianEach, lastEach.connections);
  std::printf("  ratio one-per-report / one-per-question: %.3f\n", medianOnce / medianEach);
  return 0;
}
