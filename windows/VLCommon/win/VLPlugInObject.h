// The server object of a plug-in: the dual interface I, whose HandleApp the plug-in's logic
// answers.
#ifndef WINDOWS_VLCOMMON_WIN_VLPLUGINOBJECT_H_
#define WINDOWS_VLCOMMON_WIN_VLPLUGINOBJECT_H_

#include <windows.h>

#include "platform/win32/real/VLComVariant.h"
#include "platform/win32/real/VLDualObject.h"
#include "windows/VLCommon/VLPlugIn.h"

template <class I>
class VLPlugInObject : public VLDualObject<I> {
 public:
  // Takes over the reference to logic.
  explicit VLPlugInObject(VLPlugIn* logic) : m_pLogic(logic) {}

  // The out variants must hold a value (or be empty): they are cleared first.
  STDMETHODIMP HandleApp(LONG handle, LONG msg, LONG xPos, LONG yPos, VARIANT* prevWord,
                         VARIANT* word, VARIANT* nextWord, VARIANT* info,
                         VARIANT* result) override {
    VARIANT* outs[] = {prevWord, word, nextWord, info, result};
    for (VARIANT* out : outs) {
      if (!out) return E_POINTER;
    }
    VLVariant values[5];
    const HRESULT answer = m_pLogic->HandleApp(handle, msg, xPos, yPos, &values[0], &values[1],
                                               &values[2], &values[3], &values[4]);
    for (int i = 0; i < 5; ++i) {
      VariantClear(outs[i]);
      const HRESULT converted = vlToVariant(values[i], outs[i]);
      if (FAILED(converted)) return converted;
    }
    return answer;
  }

 private:
  ~VLPlugInObject() override { m_pLogic->Release(); }

  VLPlugIn* m_pLogic;
};

#endif  // WINDOWS_VLCOMMON_WIN_VLPLUGINOBJECT_H_
