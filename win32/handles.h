// Move-only owners for Win32 handles: each closes its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

template <typename Traits>
class UniqueResource {
 public:
  using Handle = typename Traits::Handle;

  UniqueResource() noexcept = default;
  explicit UniqueResource(Handle handle) noexcept : handle_(handle) {}
  ~UniqueResource() { reset(); }

  UniqueResource(UniqueResource&& other) noexcept : handle_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return Traits::IsValid(handle_); }

  Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle handle = Traits::Invalid()) noexcept {
    const Handle old = std::exchange(handle_, handle);
    if (Traits::IsValid(old)) Traits::Close(old);
  }
  // For functions that return a handle through an out parameter.
  Handle* put() noexcept {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

// Handles whose "no handle" value is null.
template <typename H, auto CloseFunction>
struct SimpleTraits {
  using Handle = H;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { CloseFunction(h); }
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) noexcept { CloseHandle(h); }
};

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) noexcept { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(Handle h) noexcept { FindClose(h); }
};

inline void CloseKey(HKEY key) noexcept { RegCloseKey(key); }
inline void DeleteGdiObject(HGDIOBJ object) noexcept { DeleteObject(object); }
inline void DestroyIconHandle(HICON icon) noexcept { DestroyIcon(icon); }
inline void DestroyMenuHandle(HMENU menu) noexcept { DestroyMenu(menu); }
inline void DestroyWindowHandle(HWND window) noexcept { DestroyWindow(window); }
inline void ReleaseModule(HMODULE module) noexcept { FreeLibrary(module); }
inline void FreeGlobal(HGLOBAL memory) noexcept { GlobalFree(memory); }
inline void DeleteDc(HDC dc) noexcept { DeleteDC(dc); }

using UniqueHandle = UniqueResource<KernelHandleTraits>;
using UniqueFindHandle = UniqueResource<FindHandleTraits>;
using UniqueHkey = UniqueResource<SimpleTraits<HKEY, CloseKey>>;
using UniqueHicon = UniqueResource<SimpleTraits<HICON, DestroyIconHandle>>;
using UniqueHmenu = UniqueResource<SimpleTraits<HMENU, DestroyMenuHandle>>;
using UniqueHwnd = UniqueResource<SimpleTraits<HWND, DestroyWindowHandle>>;
using UniqueHmodule = UniqueResource<SimpleTraits<HMODULE, ReleaseModule>>;
using UniqueHglobal = UniqueResource<SimpleTraits<HGLOBAL, FreeGlobal>>;
using UniqueMemoryDc = UniqueResource<SimpleTraits<HDC, DeleteDc>>;

template <typename GdiHandle>
using UniqueGdiObject = UniqueResource<SimpleTraits<GdiHandle, DeleteGdiObject>>;
using UniqueHbrush = UniqueGdiObject<HBRUSH>;
using UniqueHpen = UniqueGdiObject<HPEN>;
using UniqueHfont = UniqueGdiObject<HFONT>;
using UniqueHbitmap = UniqueGdiObject<HBITMAP>;
using UniqueHrgn = UniqueGdiObject<HRGN>;

// Selects a GDI object into a device context for the lifetime of the scope.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, old_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint / EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND window) noexcept : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const noexcept { return dc_; }
  const RECT& Dirty() const noexcept { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// GetDC / ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { ReleaseDC(window_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const noexcept { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace win32
