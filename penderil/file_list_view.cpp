#include "penderil/file_list_view.h"

#include <shellapi.h>

#include <array>
#include <string>

#include "common/text_case.h"
#include "win32/dpi.h"
#include "win32/error.h"
#include "win32/utf.h"

namespace penderil {

namespace {

constexpr std::array<const wchar_t*, 3> kColumns = {L"Old Name", L"New Name", L"Locaion"};
constexpr int kColumnWidth = 250;

// UTF-8 text into the control's buffer, cut to fit.
void CopyText(std::string_view text, wchar_t* buffer, int capacity) {
  if (!buffer || capacity <= 0) return;
  buffer[0] = L'\0';
  if (text.empty()) return;
  const std::wstring wide = win32::Widen(text);
  const std::size_t count = std::min(wide.size(), static_cast<std::size_t>(capacity - 1));
  wide.copy(buffer, count);
  buffer[count] = L'\0';
}

}  // namespace

FileListView::FileListView(HWND parent, int id, const RECT& bounds, RenamerModel& model) : model_(model) {
  const UINT dpi = win32::DpiOf(parent);
  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA |
                              LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                          scale(bounds.left), scale(bounds.top), scale(bounds.right - bounds.left),
                          scale(bounds.bottom - bounds.top), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!list_) win32::ThrowLastError("Cannot create the file list");
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP);
  for (std::size_t i = 0; i < kColumns.size(); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(kColumns[i]);
    column.cx = scale(kColumnWidth);
    column.iSubItem = static_cast<int>(i);
    ListView_InsertColumn(list_, static_cast<int>(i), &column);
  }
  const int iconSize = GetSystemMetricsForDpi(SM_CXSMICON, dpi);
  images_.reset(ImageList_Create(iconSize, iconSize, ILC_COLOR32 | ILC_MASK, 16, 64));
  ListView_SetImageList(list_, images_.get(), LVSIL_SMALL);
}

FileListView::~FileListView() {
  if (IsWindow(list_)) ListView_SetImageList(list_, nullptr, LVSIL_SMALL);
}

void FileListView::ShowEntries() {
  ListView_SetItemCountEx(list_, static_cast<int>(model_.Entries().size()), LVSICF_NOSCROLL);
  InvalidateRect(list_, nullptr, FALSE);
}

void FileListView::Repaint() { InvalidateRect(list_, nullptr, FALSE); }

void FileListView::ClearImages() { ImageList_RemoveAll(images_.get()); }

void FileListView::ReadSelection() {
  model_.SelectNone();
  const int count = static_cast<int>(model_.Entries().size());
  for (int i = ListView_GetNextItem(list_, -1, LVNI_SELECTED); i >= 0 && i < count;
       i = ListView_GetNextItem(list_, i, LVNI_SELECTED)) {
    model_.SetSelected(static_cast<std::size_t>(i), true);
  }
}

void FileListView::ShowSelection() {
  // Drawing waits until every row has its state: some list views redraw each row they
  // change, which makes selecting 100 000 rows slow.
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  const auto& entries = model_.Entries();
  std::size_t selected = 0;
  for (const auto& entry : entries) selected += entry.selected;
  // Everything at once (item -1) where possible, then the exceptions one by one, from
  // whichever side has fewer.
  const bool mostlySelected = selected * 2 > entries.size();
  ListView_SetItemState(list_, -1, mostlySelected ? LVIS_SELECTED : 0, LVIS_SELECTED);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].selected != mostlySelected) {
      ListView_SetItemState(list_, static_cast<int>(i), entries[i].selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, FALSE);
}

LRESULT FileListView::FindRow(const NMLVFINDITEMW& find) const {
  // Typing in the list jumps to the next Old Name that starts with the typed text.
  if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) return -1;
  const std::string typed = win32::Narrow(find.lvfi.psz);
  const auto& entries = model_.Entries();
  const std::size_t count = entries.size();
  const std::size_t start = find.iStart >= 0 && static_cast<std::size_t>(find.iStart) < count ? find.iStart : 0;
  for (std::size_t step = 0; step < count; ++step) {
    const std::size_t row = (start + step) % count;
    if (common::SameText(entries[row].OldName().substr(0, typed.size()), typed)) {
      return static_cast<LRESULT>(row);
    }
  }
  return -1;
}

bool FileListView::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != list_) return false;
  if (header.code == LVN_ODFINDITEMW) {
    result = FindRow(reinterpret_cast<const NMLVFINDITEMW&>(header));
    return true;
  }
  if (header.code != LVN_GETDISPINFOW) return false;
  LVITEMW& item = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)).item;
  const auto& entries = model_.Entries();
  if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= entries.size()) return true;
  const std::size_t index = static_cast<std::size_t>(item.iItem);
  const RenameEntry& entry = entries[index];
  if (item.mask & LVIF_TEXT) {
    const std::string_view text =
        item.iSubItem == 0 ? entry.OldName() : item.iSubItem == 1 ? std::string_view(entry.newName) : entry.Location();
    CopyText(text, item.pszText, item.cchTextMax);
  }
  if ((item.mask & LVIF_IMAGE) && item.iSubItem == 0) {
    if (entry.image == kImageNotLoaded) SetEntryIcon(index, entry.fullPath, 1);
    const int image = entries[index].image;
    item.iImage = image >= 0 ? image : I_IMAGENONE;
  }
  return true;
}

void FileListView::SetEntryIcon(std::size_t entry, const std::string& path, int iconIndex) {
  // The shell reads icons out of executables, libraries and icon files; index 1 is the
  // file's second icon. Other files give none.
  HICON icon = nullptr;
  int image = kNoImage;
  if (!path.empty() && ExtractIconExW(win32::Widen(path).c_str(), iconIndex, nullptr, &icon, 1) > 0 && icon) {
    image = ImageList_ReplaceIcon(images_.get(), -1, icon);
    DestroyIcon(icon);
    if (image < 0) image = kNoImage;
  }
  model_.SetEntryImage(entry, image);
}

}  // namespace penderil
