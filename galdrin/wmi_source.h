// The report's questions answered by Windows Management Instrumentation over COM: WQL
// queries against root\CIMV2 on the local machine, with the current user's rights.
// COM must be initialised on the calling thread.
#pragma once

#include <windows.h>
#include <wbemcli.h>
#include <wrl/client.h>

#include <string>

#include "galdrin/wmi_questions.h"
#include "galdrin/wmi_value.h"

namespace galdrin {

// A property value as WMI hands it over (a VARIANT and its CIM type) in plain C++.
// Unsigned 32-bit values, which arrive as signed VT_I4, are made positive again.
WmiValue WmiValueFromVariant(const VARIANT& value, CIMTYPE type);

class WmiSource : public WmiQuestions {
 public:
  enum class Connection {
    OncePerReport,  // one connection to the service, made at the first question
    PerQuestion,    // a fresh connection for every question
  };

  explicit WmiSource(Connection connection = Connection::OncePerReport);

  // A query or property that fails, or a service that cannot be reached, gives count -1.
  QueryResult WmiQueryValue(const std::string& query, const std::string& property) override;
  std::string WmiBoardName() override;

  // How many times a connection to the service was made.
  int Connections() const noexcept { return connections_; }

 private:
  // The connected service, or null when it cannot be reached.
  Microsoft::WRL::ComPtr<IWbemServices> Service();

  Connection connection_;
  Microsoft::WRL::ComPtr<IWbemServices> service_;
  bool unreachable_ = false;
  int connections_ = 0;
};

}  // namespace galdrin
