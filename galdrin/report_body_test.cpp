#include "galdrin/report_body.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "galdrin/query_texts.h"
#include "galdrin/report_page.h"
#include "galdrin/testing/scripted_wmi.h"

namespace galdrin {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::ScriptedWmi;
using Lines = std::vector<std::string>;

// The query texts as they must reach WMI, spelled out.
const std::string kQ0 = R"(SELECT * FROM Win32_DiskDrive WHERE Name ="\\\\.\\PHYSICALDRIVE0")";
const std::string kQ1 = R"(SELECT * FROM Win32_DiskDrive WHERE Name ="\\\\.\\PHYSICALDRIVE1")";
const std::string kG0 = R"(SELECT * FROM Win32_DiskDrive where Name ="\\\\.\\PHYSICALDRIVE0")";
const std::string kG20 = R"(SELECT * FROM Win32_DiskDrive where  Name ="\\\\.\\PHYSICALDRIVE0")";
const std::string kDM0 = R"(SELECT Model FROM Win32_DiskDrive WHERE Name = "\\\\.\\PHYSICALDRIVE0")";
const std::string kDS0 = R"(SELECT SerialNumber FROM Win32_PhysicalMedia WHERE Tag = "\\\\.\\PHYSICALDRIVE0")";
const std::string kM0 = R"(SELECT * FROM Win32_MemoryDevice  where DeviceID="Memory Device 0")";
const std::string kB = "SELECT * FROM Win32_BaseBoard";
const std::string kP = "SELECT * FROM Win32_Processor";
const std::string kD = "SELECT * FROM Win32_POTSModem";
const std::string kV = "SELECT * FROM Win32_VideoController";

const char kOpening[] =
    R"(<table cellpadding = "2" cellspacing = "2" margin="3" width="75%" align=center borderwidth=2>)";

TEST(QueryTexts, AreSentExactlyWithTheDriveOrDeviceNumberAndAClosingQuote) {
  EXPECT_EQ(DiskQuery(0), kQ0);
  EXPECT_EQ(DiskQuery(1), kQ1);
  EXPECT_EQ(DiskGeometryQuery(0), kG0);
  EXPECT_EQ(DiskSectorsQuery(0), kG20);
  EXPECT_EQ(DiskModelQuery(0), kDM0);
  EXPECT_EQ(DiskSerialQuery(0), kDS0);
  EXPECT_EQ(MemoryDeviceQuery(0), kM0);
  EXPECT_EQ(MemoryDeviceQuery(12), R"(SELECT * FROM Win32_MemoryDevice  where DeviceID="Memory Device 12")");
  EXPECT_EQ(DiskSerialQuery(10), R"(SELECT SerialNumber FROM Win32_PhysicalMedia WHERE Tag = "\\\\.\\PHYSICALDRIVE10")");
  EXPECT_STREQ(kBoardNameQuery, "SELECT Manufacturer, Product FROM Win32_BaseBoard");
}

// Runs one section builder, counting its progress steps.
struct Built {
  Lines lines;
  int steps = 0;
};

template <typename Section>
Built Build(ScriptedWmi& wmi, Section section, const std::string& separator = ".") {
  Built run;
  ReportBody body(wmi, kRowColour, separator, [&run] { ++run.steps; });
  (body.*section)();
  run.lines = body.Lines();
  return run;
}

ScriptedWmi OneDisk(const std::string& size) {
  ScriptedWmi wmi;
  wmi.Value(kQ0, "Size", size)
      .Value(kQ0, "InterfaceType", "IDE")
      .Value(kDM0, "Model", "WDC WD10EZEX")
      .Value(kDS0, "SerialNumber", "WD-WCC6Y0")
      .Value(kG0, "TotalHeads", "255")
      .Value(kG0, "TotalTracks", "30401")
      .Value(kG0, "BytesPerSector", "512")
      .Value(kG20, "SectorsPerTrack", "63");
  return wmi;
}

const Lines kHardDriveTableHead = {
    kOpening,
    "<tr  bgcolor=2487ff></td>",
    R"(<td  colspan=6 align=center><font color = "white"><b>Hard Drives Info   </b></font></td>)",
    "</tr>",
    "<tr  bgcolor=SkyBlue></td> ",
    "<td width=180 ><b> Model</b></td>",
    "<td width=100><b> Size </b></td>",
    "<td width=220><b> Serial </b></td>",
    "<td width=20 colspan=3 align=center><b> Interface_Type </b></td>",
    "</tr>",
};

Lines HardDriveTable(const Lines& rows) {
  Lines lines = kHardDriveTableHead;
  lines.insert(lines.end(), rows.begin(), rows.end());
  lines.push_back("</table>");
  return lines;
}

TEST(HardDriveTable, OneDiskGivesOneSkyblueRowWithItsSizeInGigabytes) {
  ScriptedWmi wmi = OneDisk("1073741824");
  const Built run = Build(wmi, &ReportBody::FillInTheHardDriveTableStrings);
  EXPECT_THAT(run.lines, ElementsAreArray(HardDriveTable({
                             "<tr  bgcolor=skyblue></td>",
                             "<td ><b>WDC WD10EZEX</b></td>",
                             "<td align = left><b> 1.00 Gb</b> </td>",
                             "<td align = left><b> WD-WCC6Y0</b> </td>",
                             "<td align = center colspan=3><b> IDE</b> </td>",
                             "</tr>",
                         })));
  EXPECT_EQ(run.steps, 1);
  EXPECT_EQ(wmi.Asked().back(), (ScriptedWmi::Question{kQ1, "Size"})) << "drive 1 is asked and ends the loop";
}

TEST(HardDriveTable, SizeUsesTheUsersDecimalSeparator) {
  ScriptedWmi wmi = OneDisk("1073741824");
  const Built run = Build(wmi, &ReportBody::FillInTheHardDriveTableStrings, ",");
  EXPECT_EQ(run.lines[12], "<td align = left><b> 1,00 Gb</b> </td>");
}

TEST(HardDriveTable, ASizeThatIsNoNumberIsShownAsReportedAndTheTableGoesOn) {
  ScriptedWmi wmi = OneDisk("NULL");
  wmi.Value(kQ1, "Size", "500107862016");
  const Built run = Build(wmi, &ReportBody::FillInTheHardDriveTableStrings);
  ASSERT_EQ(run.lines.size(), kHardDriveTableHead.size() + 12 + 1);
  EXPECT_EQ(run.lines[12], "<td align = left><b> NULL</b> </td>");
  EXPECT_EQ(run.lines[18], "<td align = left><b> 465.76 Gb</b> </td>");
  EXPECT_EQ(run.steps, 1);
}

TEST(HardDriveTable, AFailedQueryEndsTheLoopAndTheTableStaysClosed) {
  ScriptedWmi wmi;
  wmi.Answer(kQ0, "Size", {-1, ""});
  const Built run = Build(wmi, &ReportBody::FillInTheHardDriveTableStrings);
  EXPECT_THAT(run.lines, ElementsAreArray(HardDriveTable({})));
  EXPECT_EQ(wmi.Asked().size(), 1u);
  EXPECT_EQ(run.steps, 1);
}

TEST(DriveGeometryTable, EveryDriveNumberUpToTenIsAskedAndOnlyCompleteDrivesGetARow) {
  ScriptedWmi wmi = OneDisk("1073741824");
  // Drive 1 lacks sectors per track; drive 2 is complete; drive 3's first question fails.
  const auto g = [](int n) { return DiskGeometryQuery(n); };
  wmi.Value(g(1), "TotalHeads", "16").Value(g(1), "TotalTracks", "1").Value(g(1), "BytesPerSector", "512");
  wmi.Value(g(2), "TotalHeads", "240")
      .Value(g(2), "TotalTracks", "7")
      .Value(g(2), "BytesPerSector", "4096")
      .Value(DiskSectorsQuery(2), "SectorsPerTrack", "32")
      .Value(DiskModelQuery(2), "Model", "Second");
  wmi.Answer(g(3), "TotalHeads", {-1, ""});

  const Built run = Build(wmi, &ReportBody::FillInWithDrivesInfo);
  EXPECT_THAT(run.lines, ElementsAreArray(Lines{
                             kOpening,
                             "<tr  bgcolor=2487ff></td>",
                             R"(<td  colspan=6 align=center><font color = "white"><b>Sectors , Tracks ,  Clusters , etc.</b></font></td>)",
                             "</tr>",
                             "<tr  bgcolor=SkyBlue></td> ",
                             "<td align = center><b> Drive Name </b></td>",
                             "<td align = center><b> Total Heads </b></td>",
                             "<td align = center><b> Total Tracks </b></td>",
                             "<td align = center><b> Sectors Per Track </b></td>",
                             "<td align = center><b> Bytes Per Sector  </b></td>",
                             "</tr>",
                             "<tr  bgcolor=skyblue></td> ",
                             "<td  align = left><b>WDC WD10EZEX</b> </td>",
                             "<td align = center><b> 255</b></td>",
                             "<td align = center><b>30401</b></td>",
                             "<td align = center><b>63</b></td>",
                             "<td align = center><b> 512</b></td>",
                             "</tr>",
                             "<tr  bgcolor=skyblue></td> ",
                             "<td  align = left><b>Second</b> </td>",
                             "<td align = center><b> 240</b></td>",
                             "<td align = center><b>7</b></td>",
                             "<td align = center><b>32</b></td>",
                             "<td align = center><b> 4096</b></td>",
                             "</tr>",
                             "</table>",
                         }));
  EXPECT_EQ(run.steps, 1);

  const auto askedAbout = [&](int n) {
    std::vector<std::string> properties;
    for (const auto& [query, property] : wmi.Asked()) {
      if (query == g(n) || query == DiskSectorsQuery(n)) properties.push_back(property);
    }
    return properties;
  };
  EXPECT_THAT(askedAbout(1), ElementsAre("TotalHeads", "TotalTracks", "BytesPerSector", "SectorsPerTrack"));
  EXPECT_THAT(askedAbout(3), ElementsAre("TotalHeads")) << "the first question that finds nothing ends the drive";
  EXPECT_THAT(askedAbout(10), ElementsAre("TotalHeads"));
  EXPECT_THAT(askedAbout(11), ElementsAre()) << "drive numbers stop at 10";
}

ScriptedWmi FullBoard() {
  ScriptedWmi wmi;
  wmi.Value(kB, "SerialNumber", "MB-1234")
      .Value(kB, "Version", "Rev 1.02")
      .Value(kB, "Product", "PRIME B450M-A")
      .Value(kB, "Manufacturer", "ASUSTeK")
      .BoardName("ASUSTeK PRIME B450M-A");
  return wmi;
}

TEST(MotherboardTable, ShowsFiveRowsInRowOrder) {
  ScriptedWmi wmi = FullBoard();
  const Built run = Build(wmi, &ReportBody::FillInWithMotherBoard);
  const auto row = [](const std::string& label, const std::string& value) {
    return Lines{"<tr  bgcolor=skyblue></td>",
                 R"(<td colspan=3 align=center><font color = "black"><b>)" + label + "</b></font></td>",
                 R"(<td colspan=3 align=center><font color = "black"><b>)" + value + "</b></font></td>", "</tr>"};
  };
  Lines expected = {kOpening, "<tr  bgcolor=2487ff></td>",
                    R"(<td  colspan=6 align=center><font color = "white"><b>Motherboard</b></font></td>)", "</tr>"};
  for (const auto& [label, value] : std::vector<std::pair<std::string, std::string>>{
           {"Board Name", "ASUSTeK PRIME B450M-A"},
           {"Manufacturer", "ASUSTeK"},
           {"Product", "PRIME B450M-A"},
           {"Serial Number", "MB-1234"},
           {"Version", "Rev 1.02"}}) {
    const Lines r = row(label, value);
    expected.insert(expected.end(), r.begin(), r.end());
  }
  expected.push_back("</table>");
  EXPECT_THAT(run.lines, ElementsAreArray(expected));
  EXPECT_EQ(run.steps, 1);
}

TEST(MotherboardTable, IsLeftOutWithoutAStepWhenTheSerialNumberFindsNothing) {
  for (const int count : {0, -1}) {
    ScriptedWmi wmi = FullBoard();
    wmi.Answer(kB, "SerialNumber", {count, ""});
    const Built run = Build(wmi, &ReportBody::FillInWithMotherBoard);
    EXPECT_TRUE(run.lines.empty()) << count;
    EXPECT_EQ(run.steps, 0) << count;
    EXPECT_EQ(wmi.Asked().size(), 1u) << count;
    EXPECT_EQ(wmi.BoardNameAsked(), 0) << count;
  }
}

ScriptedWmi FullProcessor() {
  ScriptedWmi wmi;
  wmi.Value(kP, "Name", "AMD Ryzen 5 3600")
      .Value(kP, "Caption", "AMD64 Family 23 Model 113")
      .Value(kP, "Manufacturer", "AuthenticAMD")
      .Value(kP, "ProcessorId", "178BFBFF00870F10")
      .Value(kP, "CurrentClockSpeed", "3600")
      .Value(kP, "AddressWidth", "64");
  return wmi;
}

const Lines kCpuTable = {
    kOpening,
    "<tr  bgcolor=2487ff></td>",
    R"(<td  colspan=6 align=center><font color = "white"><b>Central Processing Unit ( CPU) </b></font></td>)",
    "</tr>",
    "<tr  bgcolor=skyblue></td>",  // 4
    R"(<td colspan=2 align=center><font color = "black"><b>Name</b></font></td>)",
    R"(<td colspan=4 align=center><font color = "black"><b>AMD Ryzen 5 3600</b></font></td>)",
    "</tr>",
    "<tr  bgcolor=skyblue></td>",  // 8
    R"(<td colspan=2 align=center><font color = "black"><b>Model</b></font></td>)",
    R"(<td colspan=4 align=center><font color = "black"><b>AMD64 Family 23 Model 113</b></font></td>)",
    "</tr>",
    "<tr  bgcolor=skyblue>",  // 12
    R"(<td  align=center><font color = "black"><b>Manufacter</b></font></td>)",
    R"(<td  align=center><font color = "black"><b>AuthenticAMD</b></font></td>)",
    R"(<td  align=center><font color = "black"><b>ProcessorId</b></font></td>)",  // 15
    R"(<td  colspan=2 align=center><font color = "black"><b>178BFBFF00870F10</b></font></td>)",
    "</tr>",
    "<tr  bgcolor=skyblue>",  // 18
    R"(<td  align=center><font color = "black"><b>Current Clock Speed</b></font></td>)",
    R"(<td  align=center><font color = "black"><b>3600</b></font></td>)",
    R"(<td  align=center><font color = "black"><b>Adress Width</b></font></td>)",  // 21
    R"(<td  align=center><font color = "black"><b>64</b></font></td>)",
    "</tr>",
    "</table>",
};

TEST(CpuTable, AllSixAnswersGiveTheWholeTableAndSixSteps) {
  ScriptedWmi wmi = FullProcessor();
  const Built run = Build(wmi, &ReportBody::FillInWithCPUInfo);
  EXPECT_THAT(run.lines, ElementsAreArray(kCpuTable));
  EXPECT_EQ(run.steps, 6);
}

TEST(CpuTable, TheFirstQuestionThatFindsNothingEndsTheSectionWithTheTableOpen) {
  struct Case {
    const char* failing;
    std::size_t lines;  // lines of kCpuTable written before the end
    int steps;
  };
  for (const Case& c : {Case{"Name", 4, 0}, Case{"Caption", 8, 1}, Case{"Manufacturer", 12, 2},
                        Case{"ProcessorId", 15, 3}, Case{"CurrentClockSpeed", 18, 4}, Case{"AddressWidth", 21, 4}}) {
    for (const int count : {0, -1}) {
      ScriptedWmi wmi = FullProcessor();
      wmi.Answer(kP, c.failing, {count, ""});
      const Built run = Build(wmi, &ReportBody::FillInWithCPUInfo);
      EXPECT_THAT(run.lines, ElementsAreArray(kCpuTable.begin(), kCpuTable.begin() + c.lines)) << c.failing;
      EXPECT_EQ(run.steps, c.steps) << c.failing;
      EXPECT_EQ(wmi.Asked().back().second, c.failing) << "nothing is asked after the failing question";
    }
  }
}

TEST(CpuTable, SeveralProcessorsGiveEmptyCellsButTheWholeTable) {
  ScriptedWmi wmi;
  for (const char* property : {"Name", "Caption", "Manufacturer", "ProcessorId", "CurrentClockSpeed", "AddressWidth"}) {
    wmi.Answer(kP, property, {2, ""});
  }
  const Built run = Build(wmi, &ReportBody::FillInWithCPUInfo);
  ASSERT_EQ(run.lines.size(), kCpuTable.size());
  EXPECT_EQ(run.lines[6], R"(<td colspan=4 align=center><font color = "black"><b></b></font></td>)");
  EXPECT_EQ(run.steps, 6);
}

TEST(MemoryTable, OneRowPerDeviceUntilTheFirstMissingNumber) {
  ScriptedWmi wmi;
  wmi.Value(kM0, "DeviceID", "Memory Device 0")
      .Value(kM0, "StartingAddress", "0")
      .Value(kM0, "EndingAddress", "4194303")
      .Answer(kM0, "ErrorAddress", {1, "NULL"})
      .Value(MemoryDeviceQuery(1), "DeviceID", "Memory Device 1")
      .Answer(MemoryDeviceQuery(3), "DeviceID", {1, "never reached"});
  const Built run = Build(wmi, &ReportBody::FillInTheMemoryTableTableStrings);
  EXPECT_THAT(run.lines, ElementsAreArray(Lines{
                             kOpening,
                             "<tr  bgcolor=2487ff></td>",
                             R"(<td  colspan=5 align=center><font color = "white"><b>Memory Devices Info   </b></font></td>)",
                             "</tr>",
                             "<tr  bgcolor=SkyBlue></td> ",
                             "<td width=180 ><b> Device ID</b></td>",
                             "<td width=100><b> Start Adress </b></td>",
                             "<td width=100><b> End Adress </b></td>",
                             "<td width=100><b> Error Adress </b></td>",
                             "</tr>",
                             "<tr  bgcolor=skyblue></td>",
                             "<td ><b>Memory Device 0</b></td>",
                             "<td align = left><b> 0  </b> </td>",
                             "<td align = left><b> 4194303  </b> </td>",
                             "<td align = left><b> NULL  </b> </td>",
                             "</tr>",
                             "<tr  bgcolor=skyblue></td>",
                             "<td ><b>Memory Device 1</b></td>",
                             "<td align = left><b>   </b> </td>",
                             "<td align = left><b>   </b> </td>",
                             "<td align = left><b>   </b> </td>",
                             "</tr>",
                             "</table>",
                         }));
  EXPECT_EQ(run.steps, 1);
}

TEST(ModemTable, ShowsNameAttachmentAndDeviceOrNothingWithoutAModem) {
  ScriptedWmi wmi;
  wmi.Value(kD, "Name", "Standard 56000 bps Modem").Value(kD, "AttachedTo", "COM3").Value(kD, "DeviceID", "MDM\\1");
  const Built run = Build(wmi, &ReportBody::FillInWithModemInfo);
  EXPECT_THAT(run.lines, ElementsAreArray(Lines{
                             kOpening,
                             "<tr  bgcolor=2487ff></td>",
                             R"(<td  colspan=6 align=center><font color = "white"><b>Modem Info</b></font></td>)",
                             "</tr>",
                             "<tr  bgcolor=skyblue></td>",
                             R"(<td colspan=2 align=center><font color = "black"><b>Modem Name</b></font></td>)",
                             R"(<td colspan=2 align=center><font color = "black"><b>Standard 56000 bps Modem</b></font></td>)",
                             R"(<td  align=center><font color = "black"><b>AttachedTo</b></font></td>)",
                             R"(<td colspan=1 align=center><font color = "black"><b>COM3</b></font></td>)",
                             "</tr>",
                             "<tr  bgcolor=skyblue></td>",
                             R"(<td colspan=3 align=center><font color = "black"><b>DeviceID</b></font></td>)",
                             R"(<td colspan=3 align=center><font color = "black"><b>MDM\1</b></font></td>)",
                             "</tr>",
                             "</table>",
                         }));
  EXPECT_EQ(run.steps, 1);

  ScriptedWmi none;
  const Built noModem = Build(none, &ReportBody::FillInWithModemInfo);
  EXPECT_TRUE(noModem.lines.empty());
  EXPECT_EQ(noModem.steps, 0);
}

TEST(VideoTable, SeveralControllersGiveEmptyCellsAndEightSteps) {
  ScriptedWmi wmi;
  for (const char* property : {"Name", "Caption", "AdapterRAM", "AdapterDACType", "VideoProcessor", "MinRefreshRate",
                               "MaxRefreshRate"}) {
    wmi.Answer(kV, property, {2, ""});
  }
  const Built run = Build(wmi, &ReportBody::FillInWithGraphicsInfo);
  const auto row = [](const std::string& label) {
    return Lines{"<tr  bgcolor=skyblue></td>",
                 R"(<td colspan=2 align=center><font color = "black"><b>)" + label + "</b></font></td>",
                 R"(<td colspan=4 align=center><font color = "black"><b></b></font></td>)", "</tr>"};
  };
  Lines expected = {kOpening, "<tr  bgcolor=2487ff></td>",
                    R"(<td  colspan=6 align=center><font color = "white"><b>Video Controller ( GPU) </b></font></td>)",
                    "</tr>"};
  for (const char* label : {"Name", "Model", "Adapter RAM", "Adapter DAC Type", "Video Processor"}) {
    const Lines r = row(label);
    expected.insert(expected.end(), r.begin(), r.end());
  }
  expected.insert(expected.end(),
                  {"<tr  bgcolor=skyblue></td>",
                   R"(<td colspan=1 align=center><font color = "black"><b>Min. Refresh Rate</b></font></td>)",
                   R"(<td colspan=1 align=center><font color = "black"><b></b></font></td>)",
                   R"(<td colspan=1 align=center><font color = "black"><b>Max. Refresh Rate</b></font></td>)",
                   R"(<td colspan=1 align=center><font color = "black"><b></b></font></td>)", "</tr>", "</table>"});
  EXPECT_THAT(run.lines, ElementsAreArray(expected));
  EXPECT_EQ(run.steps, 8);
}

TEST(VideoTable, LaterQuestionsThatFindNothingStillMakeTheirStepsAndAMissingNameLeavesAllOut) {
  ScriptedWmi wmi;
  wmi.Value(kV, "Name", "Basic Display").Answer(kV, "AdapterRAM", {-1, ""}).Value(kV, "MaxRefreshRate", "75");
  const Built run = Build(wmi, &ReportBody::FillInWithGraphicsInfo);
  EXPECT_EQ(run.steps, 8);
  EXPECT_EQ(run.lines[6], R"(<td colspan=4 align=center><font color = "black"><b>Basic Display</b></font></td>)");
  EXPECT_EQ(run.lines[run.lines.size() - 3], R"(<td colspan=1 align=center><font color = "black"><b>75</b></font></td>)");

  ScriptedWmi none;
  none.Answer(kV, "Name", {-1, ""});
  const Built noVideo = Build(none, &ReportBody::FillInWithGraphicsInfo);
  EXPECT_TRUE(noVideo.lines.empty());
  EXPECT_EQ(noVideo.steps, 0);
  EXPECT_EQ(none.Asked().size(), 1u);
}

TEST(ReportBody, ValuesAreEscapedSoDeviceTextCannotAddMarkup) {
  ScriptedWmi wmi;
  wmi.Value(kV, "Name", R"(<script>alert("x")</script> R&D)");
  const Built run = Build(wmi, &ReportBody::FillInWithGraphicsInfo);
  EXPECT_EQ(run.lines[6],
            R"(<td colspan=4 align=center><font color = "black"><b>&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; R&amp;D</b></font></td>)");
}

ScriptedWmi FullMachine() {
  ScriptedWmi wmi = OneDisk("1073741824");
  wmi.Value(kB, "SerialNumber", "MB-1234").Value(kB, "Manufacturer", "ASUSTeK").BoardName("ASUSTeK X");
  wmi.Value(kP, "Name", "CPU").Value(kP, "Caption", "C").Value(kP, "Manufacturer", "M");
  wmi.Value(kP, "ProcessorId", "I").Value(kP, "CurrentClockSpeed", "1").Value(kP, "AddressWidth", "64");
  wmi.Value(kM0, "DeviceID", "Memory Device 0");
  wmi.Value(kD, "Name", "Modem");
  wmi.Value(kV, "Name", "GPU");
  return wmi;
}

TEST(ReportBody, AllSectionsInOrderEachFollowedByABreakWithAllButTheRunsLastStepOnAFullMachine) {
  ScriptedWmi wmi = FullMachine();
  Built run;
  ReportBody body(wmi, kRowColour, ".", [&run] { ++run.steps; });
  body.FillInAllSections();
  EXPECT_EQ(run.steps, kProgressSteps - 1);
  EXPECT_EQ(std::count(body.Lines().begin(), body.Lines().end(), "<br>"), 7);
  EXPECT_EQ(body.Lines().back(), "<br>");
  std::vector<std::string> titles;
  for (const auto& line : body.Lines()) {
    if (line.find(R"(<font color = "white">)") != std::string::npos) titles.push_back(line);
  }
  ASSERT_EQ(titles.size(), 7u);
  EXPECT_THAT(titles[0], ::testing::HasSubstr("Hard Drives Info"));
  EXPECT_THAT(titles[3], ::testing::HasSubstr("Central Processing Unit"));
  EXPECT_THAT(titles[5], ::testing::HasSubstr("Modem Info"));
  EXPECT_THAT(titles[6], ::testing::HasSubstr("Video Controller"));

  ScriptedWmi noModem = FullMachine();
  noModem.Answer(kD, "Name", {0, ""});
  int steps = 0;
  ReportBody withoutModem(noModem, kRowColour, ".", [&steps] { ++steps; });
  withoutModem.FillInAllSections();
  EXPECT_EQ(steps, kProgressSteps - 2) << "no modem: the bar ends one step short";
}

// A machine where WMI answers nothing but the processor's name: the whole page.
TEST(ReportPage, WholePageOfAMachineThatOnlyNamesItsProcessor) {
  ScriptedWmi wmi;
  wmi.Value(kP, "Name", "Wine CPU").Answer(kQ0, "Size", {-1, ""}).Answer(kB, "SerialNumber", {-1, ""});
  ReportBody body(wmi, kRowColour, ".", {});
  body.FillInAllSections();
  const Lines style = {"<head>", "<style> body { color: black } </style>", "</head>"};
  const Lines page = AssemblePage(style, body.Lines());

  Lines expected = {"<html>", "<head>", "<style> body { color: black } </style>", "</head>", " ",
                    "<h1 align = center> System Info  </h1>", "<body>", "<br>"};
  const Lines hardDrives = HardDriveTable({});
  expected.insert(expected.end(), hardDrives.begin(), hardDrives.end());
  expected.insert(expected.end(), {
           std::string("<br>"),
           std::string(kOpening),
           std::string("<tr  bgcolor=2487ff></td>"),
           std::string(R"(<td  colspan=6 align=center><font color = "white"><b>Sectors , Tracks ,  Clusters , etc.</b></font></td>)"),
           std::string("</tr>"),
           std::string("<tr  bgcolor=SkyBlue></td> "),
           std::string("<td align = center><b> Drive Name </b></td>"),
           std::string("<td align = center><b> Total Heads </b></td>"),
           std::string("<td align = center><b> Total Tracks </b></td>"),
           std::string("<td align = center><b> Sectors Per Track </b></td>"),
           std::string("<td align = center><b> Bytes Per Sector  </b></td>"),
           std::string("</tr>"),
           std::string("</table>"),
           std::string("<br>"),
           std::string("<br>"),  // no motherboard
           std::string(kOpening),
           std::string("<tr  bgcolor=2487ff></td>"),
           std::string(R"(<td  colspan=6 align=center><font color = "white"><b>Central Processing Unit ( CPU) </b></font></td>)"),
           std::string("</tr>"),
           std::string("<tr  bgcolor=skyblue></td>"),
           std::string(R"(<td colspan=2 align=center><font color = "black"><b>Name</b></font></td>)"),
           std::string(R"(<td colspan=4 align=center><font color = "black"><b>Wine CPU</b></font></td>)"),
           std::string("</tr>"),
           std::string("<br>"),  // the CPU table ended early, left open
           std::string(kOpening),
           std::string("<tr  bgcolor=2487ff></td>"),
           std::string(R"(<td  colspan=5 align=center><font color = "white"><b>Memory Devices Info   </b></font></td>)"),
           std::string("</tr>"),
           std::string("<tr  bgcolor=SkyBlue></td> "),
           std::string("<td width=180 ><b> Device ID</b></td>"),
           std::string("<td width=100><b> Start Adress </b></td>"),
           std::string("<td width=100><b> End Adress </b></td>"),
           std::string("<td width=100><b> Error Adress </b></td>"),
           std::string("</tr>"),
           std::string("</table>"),
           std::string("<br>"),
           std::string("<br>"),  // no modem
           std::string("<br>"),  // no video controller
           std::string("<br>"),
           std::string(R"(<h6 > Generated By <a href=")") + kVendorHomePage + R"("> Corvan File Manager</a></h6>)",
           std::string(R"(<h6 > <a href=")") + kWmiLibraryHomePage + R"("> Thanks to WMI Libraries  </h6>)",
           std::string("</body>"),
           std::string("</html>"),
       });
  EXPECT_THAT(page, ElementsAreArray(expected));
}

}  // namespace
}  // namespace galdrin
