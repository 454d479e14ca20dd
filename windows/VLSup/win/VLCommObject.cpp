#include "windows/VLSup/win/VLCommObject.h"

#include "platform/win32/real/VLComDispatch.h"
#include "platform/win32/real/VLComVariant.h"

STDMETHODIMP VLCommObject::RegisterClient(IDispatch* client, LONG* value) {
  if (!value) return E_POINTER;
  int32_t handle = 0;
  const HRESULT result = m_pLogic->RegisterClient(vlWrapDispatch(client), &handle);
  *value = handle;
  return result;
}

STDMETHODIMP VLCommObject::UnRegisterClient(LONG index) {
  return m_pLogic->UnRegisterClient(index);
}

STDMETHODIMP VLCommObject::BroadCast(BSTR info) {
  return m_pLogic->BroadCast(vlFromBstr(info));
}

STDMETHODIMP VLCommObject::get_RegisterCount(LONG* value) {
  if (!value) return E_POINTER;
  *value = m_pLogic->RegisterCount();
  return S_OK;
}

STDMETHODIMP VLCommObject::DoClose(VARIANT_BOOL* value) {
  if (!value) return E_POINTER;
  *value = m_pLogic->DoClose() ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}
