#include "windows/VL_MSOffice/VLExcelCapture.h"

#include "platform/win32/api/VLText.h"
#include "windows/VLCommon/VLTrace.h"

namespace {

VLStatus CellText(VLPlatform& platform, int32_t xPos, int32_t yPos, std::u16string* text) {
  VLVariant app, window, range, value;
  VLStatus status = platform.m_rAutomation.Running("Excel.Application", &app);
  if (!status.Failed()) status = app.Get("ActiveWindow", &window);
  if (status.Failed()) return status;
  if (window.Invoke("RangeFromPoint", {VLVariant::Int(xPos), VLVariant::Int(yPos)}, &range)
          .Failed()) {
    status = window.Get("Selection", &range);
  }
  if (!status.Failed()) status = range.Get("Text", &value);
  if (!status.Failed()) status = value.ToText(text);
  return status;
}

}  // namespace

bool vlExcelCapture(VLPlatform& platform, int32_t xPos, int32_t yPos, VLCapture* capture) {
  std::u16string text;
  const VLStatus status = CellText(platform, xPos, yPos, &text);
  if (status.Failed()) {
    vlTrace(platform, status.m_sMessage);
    return false;
  }
  *capture = VLCapture();
  capture->m_sWord = vlTrim(text);
  capture->SentenceFromWords();
  return !capture->m_sWord.empty();
}
