// Capture through the clipboard: the target application copies its selection (Ctrl+C is
// posted while the user holds Ctrl), the first word of the copy is taken and the user's
// clipboard text is put back.
#ifndef WINDOWS_VL_MSOFFICE_VLCLIPBOARDCAPTURE_H_
#define WINDOWS_VL_MSOFFICE_VLCLIPBOARDCAPTURE_H_

#include <string>

#include "platform/win32/api/VLPlatform.h"
#include "windows/VLCommon/VLCapture.h"

// Characters at most of the copied text that are looked at.
constexpr size_t VL_CLIPBOARD_SCAN = 80;

struct VLClipboardOptions {
  // Trace "Attached" once the input is shared.
  bool m_bTraceAttached = true;
  // Put the saved text back before comparing (whatever the outcome), not after.
  bool m_bRestoreFirst = false;
};

// True with the capture (Word; PrevWord and NextWord empty; the sentence is Word); false
// when nothing new arrived on the clipboard or a clipboard or input operation failed.
bool vlClipboardCapture(VLPlatform& platform, VLWindow target, const VLClipboardOptions& options,
                        VLCapture* capture);

// The first run of characters that are no delimiters within the first 80 characters of
// text, delimiters before it skipped.
std::u16string vlFirstClipboardWord(const std::u16string& text);

#endif  // WINDOWS_VL_MSOFFICE_VLCLIPBOARDCAPTURE_H_
