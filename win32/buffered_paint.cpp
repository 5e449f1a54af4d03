#include "win32/buffered_paint.h"

#include "win32/handles.h"

namespace win32 {

void PaintBuffered(HDC dc, const RECT& client, const std::function<void(HDC buffer)>& paint) {
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  const UniqueMemoryDc memory(CreateCompatibleDC(dc));
  const UniqueHbitmap bitmap(CreateCompatibleBitmap(dc, width, height));
  const ScopedSelect selectBitmap(memory.get(), bitmap.get());
  SetWindowOrgEx(memory.get(), client.left, client.top, nullptr);
  paint(memory.get());
  BitBlt(dc, client.left, client.top, width, height, memory.get(), client.left, client.top, SRCCOPY);
}

}  // namespace win32
