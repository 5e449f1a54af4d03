#include "galdrin/report_body.h"

#include <utility>

#include "galdrin/drive_size.h"
#include "galdrin/query_texts.h"

namespace galdrin {

namespace {

constexpr int kGeometryDrives = 11;  // drive numbers 0 to 10, whatever the earlier ones gave

constexpr char kTableOpening[] =
    R"(<table cellpadding = "2" cellspacing = "2" margin="3" width="75%" align=center borderwidth=2>)";
constexpr char kTitleRow[] = "<tr  bgcolor=2487ff></td>";
constexpr char kHeaderRow[] = "<tr  bgcolor=SkyBlue></td> ";
constexpr char kPlainRow[] = "<tr  bgcolor=skyblue></td>";

std::string TitleCell(const char* colspan, const char* title) {
  return std::string("<td  colspan=") + colspan + R"( align=center><font color = "white"><b>)" + title +
         "</b></font></td>";
}

// A label or value cell in black bold; `opening` is the cell's opening tag up to ">".
std::string BlackCell(const char* opening, const std::string& text) {
  return std::string(opening) + R"(<font color = "black"><b>)" + text + "</b></font></td>";
}

}  // namespace

std::string HtmlText(const std::string& value) {
  std::string text;
  text.reserve(value.size());
  for (const char c : value) {
    switch (c) {
      case '&': text += "&amp;"; break;
      case '<': text += "&lt;"; break;
      case '>': text += "&gt;"; break;
      case '"': text += "&quot;"; break;
      default: text += c; break;
    }
  }
  return text;
}

ReportBody::ReportBody(WmiQuestions& wmi, std::string rowColour, std::string decimalSeparator,
                       std::function<void()> progress)
    : wmi_(wmi),
      rowColour_(std::move(rowColour)),
      decimalSeparator_(std::move(decimalSeparator)),
      progress_(std::move(progress)) {}

QueryResult ReportBody::Ask(const std::string& query, const char* property) {
  return wmi_.WmiQueryValue(query, property);
}

void ReportBody::Add(std::string line) { lines_.push_back(std::move(line)); }

void ReportBody::Progress() {
  if (progress_) progress_();
}

void ReportBody::OpenTable(const std::string& titleCell) {
  Add(kTableOpening);
  Add(kTitleRow);
  Add(titleCell);
  Add("</tr>");
}

void ReportBody::FillInAllSections() {
  FillInTheHardDriveTableStrings();
  Add("<br>");
  FillInWithDrivesInfo();
  Add("<br>");
  FillInWithMotherBoard();
  Add("<br>");
  FillInWithCPUInfo();
  Add("<br>");
  FillInTheMemoryTableTableStrings();
  Add("<br>");
  FillInWithModemInfo();
  Add("<br>");
  FillInWithGraphicsInfo();
  Add("<br>");
}

void ReportBody::FillInTheHardDriveTableStrings() {
  OpenTable(TitleCell("6", "Hard Drives Info   "));
  Add(kHeaderRow);
  Add("<td width=180 ><b> Model</b></td>");
  Add("<td width=100><b> Size </b></td>");
  Add("<td width=220><b> Serial </b></td>");
  Add("<td width=20 colspan=3 align=center><b> Interface_Type </b></td>");
  Add("</tr>");
  for (int n = 0;; ++n) {
    const QueryResult size = Ask(DiskQuery(n), "Size");
    if (size.count <= 0) break;
    const std::string model = WmiDiskModel(wmi_, n);
    const std::string serial = WmiDiskSerial(wmi_, n);
    const std::string interfaceType = Ask(DiskQuery(n), "InterfaceType").text;
    Add("<tr  bgcolor=" + rowColour_ + "></td>");
    Add("<td ><b>" + HtmlText(model) + "</b></td>");
    Add("<td align = left><b> " + HtmlText(DriveSizeText(size.text, decimalSeparator_)) + "</b> </td>");
    Add("<td align = left><b> " + HtmlText(serial) + "</b> </td>");
    Add("<td align = center colspan=3><b> " + HtmlText(interfaceType) + "</b> </td>");
    Add("</tr>");
  }
  Add("</table>");
  Progress();
}

void ReportBody::FillInWithDrivesInfo() {
  OpenTable(TitleCell("6", "Sectors , Tracks ,  Clusters , etc."));
  Add(kHeaderRow);
  Add("<td align = center><b> Drive Name </b></td>");
  Add("<td align = center><b> Total Heads </b></td>");
  Add("<td align = center><b> Total Tracks </b></td>");
  Add("<td align = center><b> Sectors Per Track </b></td>");
  Add("<td align = center><b> Bytes Per Sector  </b></td>");
  Add("</tr>");
  for (int n = 0; n < kGeometryDrives; ++n) {
    const QueryResult heads = Ask(DiskGeometryQuery(n), "TotalHeads");
    if (heads.count <= 0) continue;
    const QueryResult tracks = Ask(DiskGeometryQuery(n), "TotalTracks");
    if (tracks.count <= 0) continue;
    const QueryResult bytesPerSector = Ask(DiskGeometryQuery(n), "BytesPerSector");
    if (bytesPerSector.count <= 0) continue;
    const QueryResult sectorsPerTrack = Ask(DiskSectorsQuery(n), "SectorsPerTrack");
    if (sectorsPerTrack.count <= 0) continue;
    Add("<tr  bgcolor=" + rowColour_ + "></td> ");
    Add("<td  align = left><b>" + HtmlText(WmiDiskModel(wmi_, n)) + "</b> </td>");
    Add("<td align = center><b> " + HtmlText(heads.text) + "</b></td>");
    Add("<td align = center><b>" + HtmlText(tracks.text) + "</b></td>");
    Add("<td align = center><b>" + HtmlText(sectorsPerTrack.text) + "</b></td>");
    Add("<td align = center><b> " + HtmlText(bytesPerSector.text) + "</b></td>");
    Add("</tr>");
  }
  Add("</table>");
  Progress();
}

void ReportBody::FillInWithMotherBoard() {
  const QueryResult serial = Ask(kBaseBoardQuery, "SerialNumber");
  if (serial.count <= 0) return;
  const std::string version = Ask(kBaseBoardQuery, "Version").text;
  const std::string product = Ask(kBaseBoardQuery, "Product").text;
  const std::string manufacturer = Ask(kBaseBoardQuery, "Manufacturer").text;
  OpenTable(TitleCell("6", "Motherboard"));
  const auto row = [this](const char* label, const std::string& value) {
    Add(kPlainRow);
    Add(BlackCell("<td colspan=3 align=center>", label));
    Add(BlackCell("<td colspan=3 align=center>", HtmlText(value)));
    Add("</tr>");
  };
  row("Board Name", wmi_.WmiBoardName());
  row("Manufacturer", manufacturer);
  row("Product", product);
  row("Serial Number", serial.text);
  row("Version", version);
  Add("</table>");
  Progress();
}

void ReportBody::FillInWithCPUInfo() {
  OpenTable(TitleCell("6", "Central Processing Unit ( CPU) "));
  // Each question that finds nothing ends the section at once, the table left open.
  const QueryResult name = Ask(kProcessorQuery, "Name");
  if (name.count <= 0) return;
  Progress();
  Add(kPlainRow);
  Add(BlackCell("<td colspan=2 align=center>", "Name"));
  Add(BlackCell("<td colspan=4 align=center>", HtmlText(name.text)));
  Add("</tr>");

  const QueryResult caption = Ask(kProcessorQuery, "Caption");
  if (caption.count <= 0) return;
  Progress();
  Add(kPlainRow);
  Add(BlackCell("<td colspan=2 align=center>", "Model"));
  Add(BlackCell("<td colspan=4 align=center>", HtmlText(caption.text)));
  Add("</tr>");

  const QueryResult manufacturer = Ask(kProcessorQuery, "Manufacturer");
  if (manufacturer.count <= 0) return;
  Progress();
  Add("<tr  bgcolor=skyblue>");
  Add(BlackCell("<td  align=center>", "Manufacter"));
  Add(BlackCell("<td  align=center>", HtmlText(manufacturer.text)));

  const QueryResult processorId = Ask(kProcessorQuery, "ProcessorId");
  if (processorId.count <= 0) return;
  Progress();
  Add(BlackCell("<td  align=center>", "ProcessorId"));
  Add(BlackCell("<td  colspan=2 align=center>", HtmlText(processorId.text)));
  Add("</tr>");

  const QueryResult clockSpeed = Ask(kProcessorQuery, "CurrentClockSpeed");
  if (clockSpeed.count <= 0) return;
  Add("<tr  bgcolor=skyblue>");
  Add(BlackCell("<td  align=center>", "Current Clock Speed"));
  Add(BlackCell("<td  align=center>", HtmlText(clockSpeed.text)));

  const QueryResult addressWidth = Ask(kProcessorQuery, "AddressWidth");
  if (addressWidth.count <= 0) return;
  Progress();
  Add(BlackCell("<td  align=center>", "Adress Width"));
  Add(BlackCell("<td  align=center>", HtmlText(addressWidth.text)));
  Add("</tr>");
  Add("</table>");
  Progress();
}

void ReportBody::FillInTheMemoryTableTableStrings() {
  OpenTable(TitleCell("5", "Memory Devices Info   "));
  Add(kHeaderRow);
  Add("<td width=180 ><b> Device ID</b></td>");
  Add("<td width=100><b> Start Adress </b></td>");
  Add("<td width=100><b> End Adress </b></td>");
  Add("<td width=100><b> Error Adress </b></td>");
  Add("</tr>");
  for (int n = 0;; ++n) {
    const std::string query = MemoryDeviceQuery(n);
    const QueryResult deviceId = Ask(query, "DeviceID");
    if (deviceId.count <= 0) break;
    const std::string ending = Ask(query, "EndingAddress").text;
    const std::string starting = Ask(query, "StartingAddress").text;
    const std::string error = Ask(query, "ErrorAddress").text;
    Add("<tr  bgcolor=" + rowColour_ + "></td>");
    Add("<td ><b>" + HtmlText(deviceId.text) + "</b></td>");
    Add("<td align = left><b> " + HtmlText(starting) + "  </b> </td>");
    Add("<td align = left><b> " + HtmlText(ending) + "  </b> </td>");
    Add("<td align = left><b> " + HtmlText(error) + "  </b> </td>");
    Add("</tr>");
  }
  Add("</table>");
  Progress();
}

void ReportBody::FillInWithModemInfo() {
  const QueryResult name = Ask(kModemQuery, "Name");
  if (name.count <= 0) return;
  const std::string attachedTo = Ask(kModemQuery, "AttachedTo").text;
  const std::string deviceId = Ask(kModemQuery, "DeviceID").text;
  OpenTable(TitleCell("6", "Modem Info"));
  Add(kPlainRow);
  Add(BlackCell("<td colspan=2 align=center>", "Modem Name"));
  Add(BlackCell("<td colspan=2 align=center>", HtmlText(name.text)));
  Add(BlackCell("<td  align=center>", "AttachedTo"));
  Add(BlackCell("<td colspan=1 align=center>", HtmlText(attachedTo)));
  Add("</tr>");
  Add(kPlainRow);
  Add(BlackCell("<td colspan=3 align=center>", "DeviceID"));
  Add(BlackCell("<td colspan=3 align=center>", HtmlText(deviceId)));
  Add("</tr>");
  Add("</table>");
  Progress();
}

void ReportBody::FillInWithGraphicsInfo() {
  const QueryResult name = Ask(kVideoControllerQuery, "Name");
  if (name.count <= 0) return;
  Progress();
  OpenTable(TitleCell("6", "Video Controller ( GPU) "));
  const auto row = [this](const char* label, const std::string& value) {
    Add(kPlainRow);
    Add(BlackCell("<td colspan=2 align=center>", label));
    Add(BlackCell("<td colspan=4 align=center>", HtmlText(value)));
    Add("</tr>");
  };
  row("Name", name.text);
  // From here on the counts are not looked at: every question makes its step.
  const auto ask = [this](const char* property) {
    std::string text = Ask(kVideoControllerQuery, property).text;
    Progress();
    return text;
  };
  row("Model", ask("Caption"));
  row("Adapter RAM", ask("AdapterRAM"));
  row("Adapter DAC Type", ask("AdapterDACType"));
  row("Video Processor", ask("VideoProcessor"));
  const std::string minimum = ask("MinRefreshRate");
  Add(kPlainRow);
  Add(BlackCell("<td colspan=1 align=center>", "Min. Refresh Rate"));
  Add(BlackCell("<td colspan=1 align=center>", HtmlText(minimum)));
  const std::string maximum = ask("MaxRefreshRate");
  Add(BlackCell("<td colspan=1 align=center>", "Max. Refresh Rate"));
  Add(BlackCell("<td colspan=1 align=center>", HtmlText(maximum)));
  Add("</tr>");
  Add("</table>");
  Progress();
}

}  // namespace galdrin
