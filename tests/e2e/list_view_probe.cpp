#include "tests/e2e/list_view_probe.h"

#include <commctrl.h>

#include "win32/error.h"
#include "win32/handles.h"

namespace e2e {

namespace {

// Memory in another process, freed with the object.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, std::size_t size) : process_(process) {
    address_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!address_) win32::ThrowLastError("Cannot lend memory in the program under test");
  }
  ~RemoteMemory() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  void* Address() const { return address_; }

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace

HWND FindChildWindow(HWND window, const std::wstring& className) {
  struct Search {
    const std::wstring* className;
    HWND found;
  } search{&className, nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t name[256] = {};
        GetClassNameW(child, name, 256);
        if (*s->className == name) {
          s->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::vector<std::wstring>> ReadListView(HWND listView, int columns) {
  DWORD processId = 0;
  GetWindowThreadProcessId(listView, &processId);
  const win32::UniqueHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
  if (!process) win32::ThrowLastError("Cannot open the program under test");
  constexpr int kChars = 1024;
  RemoteMemory item(process.get(), sizeof(LVITEMW));
  RemoteMemory text(process.get(), kChars * sizeof(wchar_t));

  std::vector<std::vector<std::wstring>> rows;
  const int count = static_cast<int>(SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    std::vector<std::wstring> cells;
    for (int column = 0; column < columns; ++column) {
      LVITEMW request{};
      request.iSubItem = column;
      request.pszText = static_cast<wchar_t*>(text.Address());
      request.cchTextMax = kChars;
      WriteProcessMemory(process.get(), item.Address(), &request, sizeof(request), nullptr);
      const auto length = SendMessageW(listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                        reinterpret_cast<LPARAM>(item.Address()));
      std::wstring cell(static_cast<std::size_t>(length), L'\0');
      ReadProcessMemory(process.get(), text.Address(), cell.data(), cell.size() * sizeof(wchar_t), nullptr);
      cells.push_back(cell);
    }
    rows.push_back(cells);
  }
  return rows;
}

}  // namespace e2e
