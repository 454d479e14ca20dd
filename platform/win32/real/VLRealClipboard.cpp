#include "platform/win32/real/VLRealClipboard.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/real/VLRealErrors.h"

namespace {

// Holds the clipboard open for a scope.
class OpenClipboardScope {
 public:
  OpenClipboardScope() : m_bOpen(OpenClipboard(nullptr) != 0) {}
  ~OpenClipboardScope() {
    if (m_bOpen) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool IsOpen() const { return m_bOpen; }

 private:
  bool m_bOpen;
};

}  // namespace

VLStatus VLRealClipboard::ReadText(std::u16string* text) {
  OpenClipboardScope clipboard;
  if (!clipboard.IsOpen()) return vlLastError("Cannot open clipboard");
  text->clear();
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return VLStatus::Ok();
  const void* locked = GlobalLock(data);
  if (!locked) return VLStatus::Ok();
  const size_t bytes = GlobalSize(data);
  const char16_t* chars = static_cast<const char16_t*>(locked);
  size_t length = 0;
  while (length < bytes / sizeof(char16_t) && chars[length]) ++length;
  text->assign(chars, length);
  GlobalUnlock(data);
  return VLStatus::Ok();
}

VLStatus VLRealClipboard::WriteText(const std::u16string& text) {
  OpenClipboardScope clipboard;
  if (!clipboard.IsOpen()) return vlLastError("Cannot open clipboard");
  const size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!data) return vlLastError("Out of memory");
  void* locked = GlobalLock(data);
  std::memcpy(locked, text.c_str(), bytes);
  GlobalUnlock(data);
  if (!EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, data)) {
    GlobalFree(data);
    return vlLastError("Cannot set clipboard text");
  }
  return VLStatus::Ok();
}
