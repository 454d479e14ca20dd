// The server object of the client list: IVLComm answered by TVLComm.
#ifndef WINDOWS_VLSUP_WIN_VLCOMMOBJECT_H_
#define WINDOWS_VLSUP_WIN_VLCOMMOBJECT_H_

#include <windows.h>

#include "VLSup_h.h"
#include "platform/win32/real/VLDualObject.h"
#include "windows/VLSup/TVLComm.h"

class VLCommObject : public VLDualObject<IVLComm> {
 public:
  explicit VLCommObject(VLCommLibrary& library) : m_pLogic(new TVLComm(library)) {}

  STDMETHODIMP RegisterClient(IDispatch* client, LONG* value) override;
  STDMETHODIMP UnRegisterClient(LONG index) override;
  STDMETHODIMP BroadCast(BSTR info) override;
  STDMETHODIMP get_RegisterCount(LONG* value) override;
  STDMETHODIMP DoClose(VARIANT_BOOL* value) override;

 private:
  ~VLCommObject() override { m_pLogic->Release(); }

  TVLComm* m_pLogic;
};

#endif  // WINDOWS_VLSUP_WIN_VLCOMMOBJECT_H_
