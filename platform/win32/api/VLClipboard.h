// The text on the clipboard.
#ifndef PLATFORM_WIN32_API_VLCLIPBOARD_H_
#define PLATFORM_WIN32_API_VLCLIPBOARD_H_

#include <string>

#include "platform/win32/api/VLStatus.h"

class VLClipboard {
 public:
  virtual ~VLClipboard() = default;
  // The text on the clipboard; empty when it holds no text. Fails when the clipboard
  // cannot be opened.
  virtual VLStatus ReadText(std::u16string* text) = 0;
  // Replaces the clipboard's contents with text.
  virtual VLStatus WriteText(const std::u16string& text) = 0;
};

#endif  // PLATFORM_WIN32_API_VLCLIPBOARD_H_
