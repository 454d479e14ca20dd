#include "platform/win32/sim/VLSimClipboard.h"

namespace {

VLStatus Locked() {
  return VLStatus::Error(VL_E_FAIL, "Cannot open clipboard");
}

}  // namespace

VLStatus VLSimClipboard::ReadText(std::u16string* text) {
  if (m_bLocked) return Locked();
  *text = m_bHasText ? m_sText : std::u16string();
  return VLStatus::Ok();
}

VLStatus VLSimClipboard::WriteText(const std::u16string& text) {
  if (m_bLocked) return Locked();
  ++m_iWrites;
  SetText(text);
  return VLStatus::Ok();
}

void VLSimClipboard::SetText(std::u16string text) {
  m_sText = std::move(text);
  m_bHasText = true;
  m_bHasPicture = false;
}

void VLSimClipboard::SetPicture() {
  m_sText.clear();
  m_bHasText = false;
  m_bHasPicture = true;
}
