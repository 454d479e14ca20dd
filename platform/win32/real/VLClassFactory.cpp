#include "platform/win32/real/VLClassFactory.h"

#include "platform/win32/real/VLModule.h"

STDMETHODIMP VLClassFactory::QueryInterface(REFIID interfaceId, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IClassFactory)) {
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) VLClassFactory::AddRef() {
  return InterlockedIncrement(&m_iRefCount);
}

STDMETHODIMP_(ULONG) VLClassFactory::Release() {
  const LONG count = InterlockedDecrement(&m_iRefCount);
  if (count == 0) delete this;
  return count;
}

STDMETHODIMP VLClassFactory::CreateInstance(IUnknown* outer, REFIID interfaceId, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  return outer ? CLASS_E_NOAGGREGATION : m_pCreate(interfaceId, object);
}

STDMETHODIMP VLClassFactory::LockServer(BOOL lock) {
  VLModule::Lock(lock != FALSE);
  return S_OK;
}

HRESULT vlGetClassObject(REFCLSID requested, REFIID interfaceId, void** object, REFCLSID served,
                         VLCreateObject create) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(requested, served)) return CLASS_E_CLASSNOTAVAILABLE;
  VLClassFactory* factory = new VLClassFactory(create);
  const HRESULT result = factory->QueryInterface(interfaceId, object);
  factory->Release();
  return result;
}
