// COM for the calling thread, initialised once and released when the object ends.
#pragma once

#include <objbase.h>

#include "win32/error.h"

namespace win32 {

class ComInitializer {
 public:
  explicit ComInitializer(DWORD model = COINIT_APARTMENTTHREADED) : result_(CoInitializeEx(nullptr, model)) {
    // RPC_E_CHANGED_MODE: COM is already up in another model on this thread; usable, not ours to release.
    if (FAILED(result_) && result_ != RPC_E_CHANGED_MODE) ThrowIfFailed(result_, "Cannot initialise COM");
  }
  ~ComInitializer() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComInitializer(const ComInitializer&) = delete;
  ComInitializer& operator=(const ComInitializer&) = delete;

  HRESULT Result() const noexcept { return result_; }

 private:
  HRESULT result_;
};

}  // namespace win32
