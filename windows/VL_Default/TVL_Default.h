// The default plug-in, asked after every registered one: the word at the pointer in a
// standard edit control, with its neighbours.
#ifndef WINDOWS_VL_DEFAULT_TVL_DEFAULT_H_
#define WINDOWS_VL_DEFAULT_TVL_DEFAULT_H_

#include "platform/win32/api/VLPlatform.h"
#include "windows/VLCommon/VLCapture.h"
#include "windows/VLCommon/VLPlugIn.h"

class TVL_Default : public VLPlugIn {
 public:
  static const VLServerInfo kServer;

  explicit TVL_Default(VLPlatform& platform) : m_rPlatform(platform) {}

  // Always S_OK; Result is true when the window is an edit control ("Edit") and the
  // pointer is on a word of its text.
  int32_t HandleApp(int32_t handle, int32_t msg, int32_t xPos, int32_t yPos, VLVariant* prevWord,
                    VLVariant* word, VLVariant* nextWord, VLVariant* info,
                    VLVariant* result) override;

 private:
  bool Capture(VLWindow window, int32_t xPos, int32_t yPos, VLCapture* capture);

  VLPlatform& m_rPlatform;
};

// The words of text around the character at index: the word that holds it, the one before
// and the one after (empty when there is none); false when index is on no word.
bool vlWordsAt(const std::u16string& text, size_t index, VLCapture* capture);

#endif  // WINDOWS_VL_DEFAULT_TVL_DEFAULT_H_
