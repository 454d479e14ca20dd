#include "windows/VLCommon/VLCapture.h"

#include "platform/win32/api/VLText.h"

namespace {

void AppendElement(std::u16string* info, const char16_t* tag, const std::u16string& text) {
  *info += u"<";
  *info += tag;
  *info += u">";
  *info += text;
  *info += u"</";
  *info += tag;
  *info += u">";
}

}  // namespace

void VLCapture::SentenceFromWords() {
  m_iCursorPos = 1;
  m_sSentence = m_sWord;
  if (!m_sPrevWord.empty()) {
    m_iCursorPos = static_cast<int32_t>(m_sPrevWord.size()) + 2;
    m_sSentence = m_sPrevWord + u" " + m_sWord;
  }
  if (!m_sNextWord.empty()) m_sSentence += u" " + m_sNextWord;
}

std::u16string VLCapture::Info(const std::u16string& application) const {
  std::u16string info;
  AppendElement(&info, u"APPL", application);
  AppendElement(&info, u"PREV", m_sPrevWord);
  AppendElement(&info, u"WORD", m_sWord);
  AppendElement(&info, u"NEXT", m_sNextWord);
  AppendElement(&info, u"SENT", m_sSentence);
  AppendElement(&info, u"CURSORPOS", vlDecimal(m_iCursorPos));
  return info;
}

void VLCapture::Answer(const std::u16string& application, VLVariant* prevWord, VLVariant* word,
                       VLVariant* nextWord, VLVariant* info) const {
  *prevWord = VLVariant::Text(m_sPrevWord);
  *word = VLVariant::Text(m_sWord);
  *nextWord = VLVariant::Text(m_sNextWord);
  *info = VLVariant::Text(Info(application));
}
