#include "windows/VLCommon/VLTrace.h"

namespace {

void ReplaceAll(std::string* text, const std::string& word, const std::string& by) {
  for (size_t at = text->find(word); at != std::string::npos;
       at = text->find(word, at + by.size())) {
    text->replace(at, word.size(), by);
  }
}

}  // namespace

void vlTrace(VLPlatform& platform, std::string text) {
  const VLWindow window = platform.m_rWindows.Find(VL_TRACE_CLASS, VL_TRACE_TITLE);
  if (!window) return;
  if (text.find("ALLOC") != std::string::npos) {
    ReplaceAll(&text, "ALLOC", std::to_string(platform.m_rSystem.AllocatedBytes()));
  }
  if (text.find("TOTALAVAILVIR") != std::string::npos) {
    ReplaceAll(&text, "TOTALAVAILVIR", std::to_string(platform.m_rSystem.AvailableVirtualBytes()));
  }
  platform.m_rWindows.SendCopyData(window, 0, 0, text.c_str(),
                                   static_cast<uint32_t>(text.size() + 1));
}
