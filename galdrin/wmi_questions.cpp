#include "galdrin/wmi_questions.h"

#include "galdrin/query_texts.h"

namespace galdrin {

std::string WmiDiskModel(WmiQuestions& wmi, int n) { return wmi.WmiQueryValue(DiskModelQuery(n), "Model").text; }

std::string WmiDiskSerial(WmiQuestions& wmi, int n) {
  return wmi.WmiQueryValue(DiskSerialQuery(n), "SerialNumber").text;
}

}  // namespace galdrin
