// Capture in Microsoft Excel: the text of the cell at the pointer (or of the selection)
// through the running automation object.
#ifndef WINDOWS_VL_MSOFFICE_VLEXCELCAPTURE_H_
#define WINDOWS_VL_MSOFFICE_VLEXCELCAPTURE_H_

#include "platform/win32/api/VLPlatform.h"
#include "windows/VLCommon/VLCapture.h"

// True with the capture (Word; PrevWord and NextWord empty; the sentence is Word); false
// when the cell is empty or a call failed (the failure is traced).
bool vlExcelCapture(VLPlatform& platform, int32_t xPos, int32_t yPos, VLCapture* capture);

#endif  // WINDOWS_VL_MSOFFICE_VLEXCELCAPTURE_H_
