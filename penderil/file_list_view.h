// The rename list on screen: a report-style list view with the columns "Old Name",
// "New Name" and "Locaion". It is virtual: the control asks for the rows it shows, so a
// list of 100 000 entries costs no more to show than one of ten, and each entry's icon
// is taken from its file only when its row is first shown.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "penderil/renamer_model.h"
#include "win32/handles.h"

namespace penderil {

class FileListView {
 public:
  // `bounds` in 96-DPI pixels, parent coordinates.
  FileListView(HWND parent, int id, const RECT& bounds, RenamerModel& model);
  ~FileListView();
  FileListView(const FileListView&) = delete;
  FileListView& operator=(const FileListView&) = delete;

  HWND Handle() const noexcept { return list_; }

  // After entries were added or removed: the row count and every row anew.
  void ShowEntries();
  // After New Names or Old Names changed: the visible rows are drawn again.
  void Repaint();
  // After the list was replaced or emptied: the images of the old entries go.
  void ClearImages();

  // The selection the user made, into the model (before acting on it).
  void ReadSelection();
  // The model's selection, onto the screen.
  void ShowSelection();

  // LVN_GETDISPINFO (the text or image of a row) and LVN_ODFINDITEM (the row whose Old
  // Name starts with what the user typed). Returns true when handled.
  bool OnNotify(const NMHDR& header, LRESULT& result);

 private:
  LRESULT FindRow(const NMLVFINDITEMW& find) const;
  // Gives the entry the image with index `iconIndex` of its file, or none.
  void SetEntryIcon(std::size_t entry, const std::string& path, int iconIndex);

  struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle Invalid() noexcept { return nullptr; }
    static bool IsValid(Handle h) noexcept { return h != nullptr; }
    static void Close(Handle h) noexcept { ImageList_Destroy(h); }
  };

  HWND list_ = nullptr;  // destroyed with its parent
  win32::UniqueResource<ImageListTraits> images_;
  RenamerModel& model_;
};

}  // namespace penderil
