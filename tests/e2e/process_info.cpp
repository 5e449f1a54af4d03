#include "tests/e2e/process_info.h"

#include <winternl.h>

#include "win32/error.h"
#include "win32/handles.h"

namespace e2e {

namespace {

win32::UniqueHandle OpenForReading(DWORD processId) {
  win32::UniqueHandle process(
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!process) win32::ThrowLastError("Cannot open process " + std::to_string(processId));
  return process;
}

template <typename T>
T ReadFrom(HANDLE process, const void* address) {
  T value{};
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, address, &value, sizeof(value), &read) || read != sizeof(value)) {
    win32::ThrowLastError("Cannot read the memory of another process");
  }
  return value;
}

}  // namespace

std::wstring ProcessCommandLine(DWORD processId) {
  const win32::UniqueHandle process = OpenForReading(processId);
  using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(process.get(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) {
    throw std::runtime_error("Cannot query process " + std::to_string(processId));
  }
  const PEB peb = ReadFrom<PEB>(process.get(), basic.PebBaseAddress);
  const auto parameters = ReadFrom<RTL_USER_PROCESS_PARAMETERS>(process.get(), peb.ProcessParameters);
  std::wstring commandLine(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
  SIZE_T read = 0;
  if (!ReadProcessMemory(process.get(), parameters.CommandLine.Buffer, commandLine.data(),
                         parameters.CommandLine.Length, &read)) {
    win32::ThrowLastError("Cannot read the command line of process " + std::to_string(processId));
  }
  return commandLine;
}

std::uint64_t ProcessCreationTime(DWORD processId) {
  const win32::UniqueHandle process = OpenForReading(processId);
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!GetProcessTimes(process.get(), &created, &exited, &kernel, &user)) {
    win32::ThrowLastError("Cannot read the times of process " + std::to_string(processId));
  }
  return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace e2e
