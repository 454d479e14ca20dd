#include "windows/VL_Default/TVL_Default.h"

#include "platform/win32/api/VLText.h"
#include "windows/VLCommon/VLWords.h"

const VLServerInfo TVL_Default::kServer = {"{5D8C3A51-2F64-4B0E-9C7A-1E3B6F0D2A94}",
                                           "VL_Default.VL_Default", "VL_Default Object"};

bool vlWordsAt(const std::u16string& text, size_t index, VLCapture* capture) {
  if (index >= text.size() || vlIsDelimiter(text[index])) return false;
  size_t start = index;
  while (start > 0 && !vlIsDelimiter(text[start - 1])) --start;
  size_t end = index;
  while (end < text.size() && !vlIsDelimiter(text[end])) ++end;
  *capture = VLCapture();
  capture->m_sWord = text.substr(start, end - start);
  capture->m_sPrevWord = vlWordBefore(text, start);
  capture->m_sNextWord = vlWordAfter(text, end);
  capture->SentenceFromWords();
  return true;
}

int32_t TVL_Default::HandleApp(int32_t handle, int32_t /*msg*/, int32_t xPos, int32_t yPos,
                               VLVariant* prevWord, VLVariant* word, VLVariant* nextWord,
                               VLVariant* info, VLVariant* result) {
  *prevWord = *word = *nextWord = *info = VLVariant();
  *result = VLVariant::Bool(false);
  VLCapture capture;
  if (Capture(vlWindowFromLong(handle), xPos, yPos, &capture)) {
    capture.Answer(u"Edit", prevWord, word, nextWord, info);
    *result = VLVariant::Bool(true);
  }
  return VL_S_OK;
}

bool TVL_Default::Capture(VLWindow window, int32_t xPos, int32_t yPos, VLCapture* capture) {
  std::string windowClass;
  std::u16string text;
  uint32_t index = 0;
  return m_rPlatform.m_rWindows.ClassName(window, &windowClass) &&
         vlSameNoCase(windowClass, std::string("Edit")) &&
         m_rPlatform.m_rWindows.CharFromPoint(window, xPos, yPos, &index) &&
         m_rPlatform.m_rWindows.Text(window, &text) && vlWordsAt(text, index, capture);
}
