// Capture in Microsoft Word through its running automation object: the word at the pointer
// (Msg 1 to 3) or in the selection (Msg 4 and 5), its neighbours (Msg 1 and 4), and the
// sentence around it.
#ifndef WINDOWS_VL_MSOFFICE_VLWORDCAPTURE_H_
#define WINDOWS_VL_MSOFFICE_VLWORDCAPTURE_H_

#include "platform/win32/api/VLPlatform.h"
#include "windows/VLCommon/VLCapture.h"

class VLWordCapture {
 public:
  explicit VLWordCapture(VLPlatform& platform) : m_rPlatform(platform) {}

  // True with the capture; false without result. A failure is traced with its message.
  bool Capture(int32_t msg, int32_t xPos, int32_t yPos, VLCapture* capture);

 private:
  // Fills capture; *captured stays false when the Msg or the selection gives no result.
  VLStatus Run(int32_t msg, int32_t xPos, int32_t yPos, VLCapture* capture, bool* captured);
  // The Words collection at the pointer or in the selection; empty for other Msg values.
  VLStatus FindWords(int32_t msg, int32_t xPos, int32_t yPos, const VLVariant& window,
                     VLVariant* words);
  // The sentence widened by six words each side, and the word's position in it.
  VLStatus Widen(const VLVariant& words, VLCapture* capture);

  VLPlatform& m_rPlatform;
};

#endif  // WINDOWS_VL_MSOFFICE_VLWORDCAPTURE_H_
