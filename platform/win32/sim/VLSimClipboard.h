// A simulated clipboard: text, something that is no text, or nothing; failures on demand.
#ifndef PLATFORM_WIN32_SIM_VLSIMCLIPBOARD_H_
#define PLATFORM_WIN32_SIM_VLSIMCLIPBOARD_H_

#include <string>

#include "platform/win32/api/VLClipboard.h"

class VLSimClipboard : public VLClipboard {
 public:
  VLStatus ReadText(std::u16string* text) override;
  VLStatus WriteText(const std::u16string& text) override;

  void SetText(std::u16string text);
  // Contents in a format that is not text (a picture).
  void SetPicture();
  bool HasText() const { return m_bHasText; }
  bool HasPicture() const { return m_bHasPicture; }
  const std::u16string& Text() const { return m_sText; }
  int WriteCount() const { return m_iWrites; }
  // Every operation fails while set (another program holds the clipboard open).
  void SetLocked(bool locked) { m_bLocked = locked; }

 private:
  std::u16string m_sText;
  bool m_bHasText = false;
  bool m_bHasPicture = false;
  bool m_bLocked = false;
  int m_iWrites = 0;
};

#endif  // PLATFORM_WIN32_SIM_VLSIMCLIPBOARD_H_
