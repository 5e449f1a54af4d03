// The body of the hardware report: seven HTML tables built from WMI answers, one
// section builder each, every section followed by a "<br>" line.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "galdrin/wmi_questions.h"

namespace galdrin {

// The colour of every data row of the hard drive, drive geometry and memory tables.
inline constexpr char kRowColour[] = "skyblue";

// Steps of the report's progress bar when every question is answered: the sections
// make all but the last, which ends the report run.
inline constexpr int kProgressSteps = 20;

// A value as it goes into a table cell: "&", "<", ">" and '"' become character
// references, so a device string can neither break the page nor put markup into it.
std::string HtmlText(const std::string& value);

class ReportBody {
 public:
  // `progress` is called at every progress step of the sections.
  ReportBody(WmiQuestions& wmi, std::string rowColour, std::string decimalSeparator, std::function<void()> progress);

  // The seven sections in their order, "<br>" after each: hard drives, drive geometry,
  // motherboard, CPU, memory devices, modem, video controller.
  void FillInAllSections();

  void FillInTheHardDriveTableStrings();
  void FillInWithDrivesInfo();
  void FillInWithMotherBoard();
  void FillInWithCPUInfo();
  void FillInTheMemoryTableTableStrings();
  void FillInWithModemInfo();
  void FillInWithGraphicsInfo();

  const std::vector<std::string>& Lines() const noexcept { return lines_; }

 private:
  QueryResult Ask(const std::string& query, const char* property);
  void Add(std::string line);
  void OpenTable(const std::string& title);
  void Progress();

  WmiQuestions& wmi_;
  std::string rowColour_;
  std::string decimalSeparator_;
  std::function<void()> progress_;
  std::vector<std::string> lines_;
};

}  // namespace galdrin
