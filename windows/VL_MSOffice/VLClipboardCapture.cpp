#include "windows/VL_MSOffice/VLClipboardCapture.h"

#include "windows/VLCommon/VLTrace.h"
#include "windows/VLCommon/VLWords.h"

namespace {

constexpr uintptr_t kCopyKey = 67;  // the letter C
constexpr intptr_t kCopyKeyData = 0x002E0001;
constexpr uint32_t kCopyWaitMs = 100;

// Posts Ctrl+C to the target with its thread's input attached to ours.
bool CopySelection(VLPlatform& platform, VLWindow target, bool traceAttached) {
  const uint32_t self = platform.m_rSystem.CurrentThread();
  const uint32_t owner = platform.m_rWindows.Thread(target);
  if (!platform.m_rWindows.AttachInput(self, owner, true)) return false;
  if (traceAttached) vlTrace(platform, "Attached");
  if (platform.m_rSystem.IsKeyDown(VL_VK_CONTROL)) {
    platform.m_rWindows.Post(target, VL_WM_KEYDOWN, kCopyKey, kCopyKeyData);
    platform.m_rWindows.Post(target, VL_WM_KEYUP, kCopyKey, kCopyKeyData);
  }
  platform.m_rSystem.Sleep(kCopyWaitMs);
  platform.m_rWindows.AttachInput(self, owner, false);
  return true;
}

}  // namespace

std::u16string vlFirstClipboardWord(const std::u16string& text) {
  size_t end = text.size() < VL_CLIPBOARD_SCAN ? text.size() : VL_CLIPBOARD_SCAN;
  // Never keep half of a surrogate pair.
  if (end < text.size() && text[end - 1] >= 0xD800 && text[end - 1] < 0xDC00) --end;
  return vlWordAfter(text.substr(0, end), 0);
}

bool vlClipboardCapture(VLPlatform& platform, VLWindow target, const VLClipboardOptions& options,
                        VLCapture* capture) {
  VLClipboard& clipboard = platform.m_rClipboard;
  std::u16string saved;
  if (clipboard.ReadText(&saved).Failed()) return false;
  if (!CopySelection(platform, target, options.m_bTraceAttached)) return false;
  std::u16string text;
  const VLStatus read = clipboard.ReadText(&text);
  const bool restored = !options.m_bRestoreFirst || !clipboard.WriteText(saved).Failed();
  if (read.Failed() || text == saved || !restored) return false;
  if (!options.m_bRestoreFirst && clipboard.WriteText(saved).Failed()) return false;
  *capture = VLCapture();
  capture->m_sWord = vlFirstClipboardWord(text);
  capture->SentenceFromWords();
  return true;
}
