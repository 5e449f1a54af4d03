// The whole report page around the body: the style file's lines, the heading, the body
// and the two footers.
#pragma once

#include <string>
#include <vector>

namespace galdrin {

inline constexpr char kStyleFileName[] = "corvan-sysinfo-style.txt";
inline constexpr char kReportFileName[] = "System_Report.html";

// The addresses behind the footer links.
inline constexpr char kVendorHomePage[] = "https://corvan.example/";
inline constexpr char kWmiLibraryHomePage[] = "https://learn.microsoft.com/windows/win32/wmisdk/wmi-start-page";

// "<html>", the style lines, a line holding one blank, the heading, "<body>", "<br>", the
// body, "<br>", the two footers, "</body>", "</html>".
std::vector<std::string> AssemblePage(const std::vector<std::string>& styleLines,
                                      const std::vector<std::string>& bodyLines);

}  // namespace galdrin
