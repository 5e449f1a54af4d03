// What the report asks WMI, as an interface: the Windows source answers it over COM,
// tests answer it from a table.
#pragma once

#include <string>

namespace galdrin {

// The answer to one question: how many objects the query found (0 none, 1 one, and then
// `text` holds the property asked for, 2 or more several, and `text` is empty), or -1
// when the query failed (WMI unreachable, an unknown class or property, no access).
struct QueryResult {
  int count = 0;
  std::string text;

  bool operator==(const QueryResult&) const = default;
};

class WmiQuestions {
 public:
  virtual ~WmiQuestions() = default;

  // Runs the WQL query against root\CIMV2 and reads `property` of the single object found.
  virtual QueryResult WmiQueryValue(const std::string& query, const std::string& property) = 0;

  // The board's manufacturer and product, a blank between them, when the board query
  // finds exactly one object with more than one property; otherwise empty.
  virtual std::string WmiBoardName() = 0;
};

// The model of physical drive n; the count is not looked at.
std::string WmiDiskModel(WmiQuestions& wmi, int n);
// The serial number of the medium in physical drive n; the count is not looked at.
std::string WmiDiskSerial(WmiQuestions& wmi, int n);

}  // namespace galdrin
