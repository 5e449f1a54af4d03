#include "galdrin/query_texts.h"

namespace galdrin {

namespace {

// The number in decimal and a closing double quote after a query's fixed opening.
std::string Numbered(const char* opening, int n) { return opening + std::to_string(n) + '"'; }

}  // namespace

std::string DiskQuery(int n) {
  return Numbered(R"(SELECT * FROM Win32_DiskDrive WHERE Name ="\\\\.\\PHYSICALDRIVE)", n);
}

std::string DiskGeometryQuery(int n) {
  return Numbered(R"(SELECT * FROM Win32_DiskDrive where Name ="\\\\.\\PHYSICALDRIVE)", n);
}

std::string DiskSectorsQuery(int n) {
  return Numbered(R"(SELECT * FROM Win32_DiskDrive where  Name ="\\\\.\\PHYSICALDRIVE)", n);
}

std::string DiskModelQuery(int n) {
  return Numbered(R"(SELECT Model FROM Win32_DiskDrive WHERE Name = "\\\\.\\PHYSICALDRIVE)", n);
}

std::string DiskSerialQuery(int n) {
  return Numbered(R"(SELECT SerialNumber FROM Win32_PhysicalMedia WHERE Tag = "\\\\.\\PHYSICALDRIVE)", n);
}

std::string MemoryDeviceQuery(int n) {
  return Numbered(R"(SELECT * FROM Win32_MemoryDevice  where DeviceID="Memory Device )", n);
}

}  // namespace galdrin
