#include "platform/win32/sim/VLSimWindows.h"

namespace {

constexpr uintptr_t kKeyC = 67;

}  // namespace

VLWindow VLSimWindows::Find(const std::string& windowClass, const std::string& title) {
  for (const auto& [handle, window] : m_windows) {
    if (!window.m_hParent && window.m_sClass == windowClass && window.m_sTitle == title) {
      return handle;
    }
  }
  return 0;
}

intptr_t VLSimWindows::SendCopyData(VLWindow window, uintptr_t wParam, uintptr_t dwData,
                                    const void* data, uint32_t size) {
  Window* target = Get(window);
  if (!target) return 0;
  const char* bytes = static_cast<const char*>(data);
  target->m_copyData.push_back(
      VLSimCopyData{wParam, dwData, bytes ? std::string(bytes, size) : std::string()});
  return 1;
}

bool VLSimWindows::Post(VLWindow window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  Window* target = Get(window);
  if (!target) return false;
  target->m_posted.push_back(VLSimMessage{message, wParam, lParam});
  if (message == VL_WM_KEYDOWN && wParam == kKeyC && target->m_bCopies) {
    m_rClipboard.SetText(target->m_sCopyText);
  }
  return true;
}

VLWindow VLSimWindows::Parent(VLWindow window) {
  const Window* w = Get(window);
  return w ? w->m_hParent : 0;
}

bool VLSimWindows::ClassName(VLWindow window, std::string* name) {
  const Window* w = Get(window);
  if (!w) return false;
  *name = w->m_sClass.substr(0, 128);
  return true;
}

uint32_t VLSimWindows::Thread(VLWindow window) {
  const Window* w = Get(window);
  return w ? w->m_iThread : 0;
}

bool VLSimWindows::AttachInput(uint32_t thread, uint32_t toThread, bool attach) {
  if (m_bAttachFails || !thread || !toThread || thread == toThread) return false;
  int& count = m_attached[{thread, toThread}];
  if (!attach && count == 0) return false;
  count += attach ? 1 : -1;
  if (attach) ++m_iAttachCount;
  return true;
}

bool VLSimWindows::Text(VLWindow window, std::u16string* text) {
  const Window* w = Get(window);
  if (!w) return false;
  *text = w->m_sText;
  return true;
}

bool VLSimWindows::CharFromPoint(VLWindow window, int32_t x, int32_t y, uint32_t* index) {
  const Window* w = Get(window);
  if (!w) return false;
  const auto it = w->m_charAt.find({x, y});
  if (it == w->m_charAt.end()) return false;
  *index = it->second;
  return true;
}

VLWindow VLSimWindows::Create(const std::string& windowClass, const std::string& title,
                              VLWindow parent, uint32_t thread) {
  Window& w = m_windows[++m_hLast];
  w.m_sClass = windowClass;
  w.m_sTitle = title;
  w.m_hParent = parent;
  w.m_iThread = thread;
  return m_hLast;
}

void VLSimWindows::SetText(VLWindow window, std::u16string text) {
  if (Window* w = Get(window)) w->m_sText = std::move(text);
}

void VLSimWindows::SetCopyText(VLWindow window, std::u16string text) {
  if (Window* w = Get(window)) {
    w->m_bCopies = true;
    w->m_sCopyText = std::move(text);
  }
}

void VLSimWindows::SetCharAt(VLWindow window, int32_t x, int32_t y, uint32_t index) {
  if (Window* w = Get(window)) w->m_charAt[{x, y}] = index;
}

const std::vector<VLSimCopyData>& VLSimWindows::CopyDataOf(VLWindow window) {
  static const std::vector<VLSimCopyData> kNone;
  const Window* w = Get(window);
  return w ? w->m_copyData : kNone;
}

const std::vector<VLSimMessage>& VLSimWindows::PostedTo(VLWindow window) {
  static const std::vector<VLSimMessage> kNone;
  const Window* w = Get(window);
  return w ? w->m_posted : kNone;
}

bool VLSimWindows::IsAttached(uint32_t thread, uint32_t toThread) const {
  const auto it = m_attached.find({thread, toThread});
  return it != m_attached.end() && it->second > 0;
}

VLSimWindows::Window* VLSimWindows::Get(VLWindow window) {
  const auto it = m_windows.find(window);
  return it == m_windows.end() ? nullptr : &it->second;
}
