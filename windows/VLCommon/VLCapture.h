// The texts of one capture and the Info string built from them.
#ifndef WINDOWS_VLCOMMON_VLCAPTURE_H_
#define WINDOWS_VLCOMMON_VLCAPTURE_H_

#include <cstdint>
#include <string>

#include "platform/win32/api/VLVariant.h"

struct VLCapture {
  std::u16string m_sPrevWord;
  std::u16string m_sWord;
  std::u16string m_sNextWord;
  std::u16string m_sSentence;
  // 1-based position of the word in the sentence.
  int32_t m_iCursorPos = 1;

  // The sentence made of the words alone: PrevWord and a space when there is one, Word,
  // then a space and NextWord when there is one; the cursor on Word.
  void SentenceFromWords();

  // "<APPL>" application "</APPL><PREV>" ... "<CURSORPOS>" n "</CURSORPOS>", texts unchanged.
  std::u16string Info(const std::u16string& application) const;

  // The plug-in's answers: the three words and the Info string as text variants.
  void Answer(const std::u16string& application, VLVariant* prevWord, VLVariant* word,
              VLVariant* nextWord, VLVariant* info) const;
};

#endif  // WINDOWS_VLCOMMON_VLCAPTURE_H_
