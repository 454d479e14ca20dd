// Simulated windows: classes, titles, parents, owning threads, texts, message queues and the
// WM_COPYDATA records each window received. A window may play an application that copies
// its selection to the clipboard when Ctrl+C reaches it.
#ifndef PLATFORM_WIN32_SIM_VLSIMWINDOWS_H_
#define PLATFORM_WIN32_SIM_VLSIMWINDOWS_H_

#include <map>
#include <string>
#include <vector>

#include "platform/win32/api/VLWindows.h"
#include "platform/win32/sim/VLSimClipboard.h"

struct VLSimCopyData {
  uintptr_t m_wParam;
  uintptr_t m_dwData;
  std::string m_sBytes;  // the cbData bytes at lpData
};

struct VLSimMessage {
  uint32_t m_iMessage;
  uintptr_t m_wParam;
  intptr_t m_lParam;
};

class VLSimWindows : public VLWindows {
 public:
  explicit VLSimWindows(VLSimClipboard& clipboard) : m_rClipboard(clipboard) {}

  VLWindow Find(const std::string& windowClass, const std::string& title) override;
  intptr_t SendCopyData(VLWindow window, uintptr_t wParam, uintptr_t dwData, const void* data,
                        uint32_t size) override;
  bool Post(VLWindow window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  VLWindow Parent(VLWindow window) override;
  bool ClassName(VLWindow window, std::string* name) override;
  uint32_t Thread(VLWindow window) override;
  bool AttachInput(uint32_t thread, uint32_t toThread, bool attach) override;
  bool Text(VLWindow window, std::u16string* text) override;
  bool CharFromPoint(VLWindow window, int32_t x, int32_t y, uint32_t* index) override;

  VLWindow Create(const std::string& windowClass, const std::string& title, VLWindow parent = 0,
                  uint32_t thread = 1);
  // The window vanishes; its handle becomes invalid.
  void Destroy(VLWindow window) { m_windows.erase(window); }
  void SetText(VLWindow window, std::u16string text);
  // The window's application copies text to the clipboard when it receives Ctrl+C.
  void SetCopyText(VLWindow window, std::u16string text);
  // Character index of the point (x, y) of the window's text; other points are on nothing.
  void SetCharAt(VLWindow window, int32_t x, int32_t y, uint32_t index);

  const std::vector<VLSimCopyData>& CopyDataOf(VLWindow window);
  const std::vector<VLSimMessage>& PostedTo(VLWindow window);
  // Whether the input of thread is attached to toThread now.
  bool IsAttached(uint32_t thread, uint32_t toThread) const;
  int AttachCount() const { return m_iAttachCount; }
  void SetAttachFails(bool fails) { m_bAttachFails = fails; }

 private:
  struct Window {
    std::string m_sClass;
    std::string m_sTitle;
    VLWindow m_hParent;
    uint32_t m_iThread;
    std::u16string m_sText;
    bool m_bCopies = false;
    std::u16string m_sCopyText;
    std::map<std::pair<int32_t, int32_t>, uint32_t> m_charAt;
    std::vector<VLSimCopyData> m_copyData;
    std::vector<VLSimMessage> m_posted;
  };
  Window* Get(VLWindow window);

  VLSimClipboard& m_rClipboard;
  std::map<VLWindow, Window> m_windows;
  std::map<std::pair<uint32_t, uint32_t>, int> m_attached;
  VLWindow m_hLast = 0x100;
  int m_iAttachCount = 0;
  bool m_bAttachFails = false;
};

#endif  // PLATFORM_WIN32_SIM_VLSIMWINDOWS_H_
