// The WQL texts of the report's questions, exactly as they are sent to WMI. The drive
// queries address "\\.\PHYSICALDRIVE<n>": the four backslashes, the dot and the two
// backslashes are WQL string escapes for that device name.
#pragma once

#include <string>

namespace galdrin {

// Every property of physical drive n (the hard drive table): WHERE, one blank before "=".
std::string DiskQuery(int n);
// The same with a lower-case "where" (the geometry table's heads, tracks and sector size).
std::string DiskGeometryQuery(int n);
// The same with two blanks before "Name" (the geometry table's sectors per track).
std::string DiskSectorsQuery(int n);
// The model of physical drive n.
std::string DiskModelQuery(int n);
// The serial number of the medium in physical drive n.
std::string DiskSerialQuery(int n);
// Memory device n ("Memory Device <n>").
std::string MemoryDeviceQuery(int n);

inline constexpr char kBaseBoardQuery[] = "SELECT * FROM Win32_BaseBoard";
inline constexpr char kBoardNameQuery[] = "SELECT Manufacturer, Product FROM Win32_BaseBoard";
inline constexpr char kProcessorQuery[] = "SELECT * FROM Win32_Processor";
inline constexpr char kModemQuery[] = "SELECT * FROM Win32_POTSModem";
inline constexpr char kVideoControllerQuery[] = "SELECT * FROM Win32_VideoController";

}  // namespace galdrin
