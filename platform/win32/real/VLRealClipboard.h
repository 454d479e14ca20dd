// The clipboard's Unicode text.
#ifndef PLATFORM_WIN32_REAL_VLREALCLIPBOARD_H_
#define PLATFORM_WIN32_REAL_VLREALCLIPBOARD_H_

#include "platform/win32/api/VLClipboard.h"

class VLRealClipboard : public VLClipboard {
 public:
  VLStatus ReadText(std::u16string* text) override;
  VLStatus WriteText(const std::u16string& text) override;
};

#endif  // PLATFORM_WIN32_REAL_VLREALCLIPBOARD_H_
