// A simulated Microsoft Excel: its active window with cells at screen points and a
// selection, answering ActiveWindow, RangeFromPoint (which fails off the cells), Selection
// and Text.
#ifndef PLATFORM_WIN32_SIM_VLSIMEXCEL_H_
#define PLATFORM_WIN32_SIM_VLSIMEXCEL_H_

#include <map>
#include <memory>
#include <string>

#include "platform/win32/api/VLVariant.h"

class VLSimExcel {
 public:
  struct Sheet;

  VLSimExcel();

  // A new application object.
  VLVariant Application() const;
  void SetCell(int32_t x, int32_t y, std::u16string text);
  void SetSelection(std::u16string text);
  // Every call of the member fails from now on.
  void Fail(const std::string& member);

 private:
  std::shared_ptr<Sheet> m_pSheet;
};

#endif  // PLATFORM_WIN32_SIM_VLSIMEXCEL_H_
