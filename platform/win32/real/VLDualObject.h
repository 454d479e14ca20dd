// Base of a server object with a dual interface I: reference counting, QueryInterface, and
// IDispatch answered from the type information of I.
#ifndef PLATFORM_WIN32_REAL_VLDUALOBJECT_H_
#define PLATFORM_WIN32_REAL_VLDUALOBJECT_H_

#include <windows.h>

#include <oleauto.h>

#include "platform/win32/real/VLModule.h"

template <class I>
class VLDualObject : public I {
 public:
  VLDualObject() { VLModule::ObjectCreated(); }

  // Asks a new object (with its creator's reference) for an interface, then drops that
  // reference; the object is gone when this fails.
  static HRESULT Hand(VLDualObject* object, REFIID interfaceId, void** answer) {
    HRESULT result = VLModule::TypeInfo(__uuidof(I), &object->m_pTypeInfo);
    if (SUCCEEDED(result)) result = object->QueryInterface(interfaceId, answer);
    object->Release();
    return result;
  }

  STDMETHODIMP QueryInterface(REFIID interfaceId, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IDispatch) ||
        IsEqualIID(interfaceId, __uuidof(I))) {
      *object = static_cast<I*>(this);
      this->AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&m_iRefCount); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG count = InterlockedDecrement(&m_iRefCount);
    if (count == 0) delete this;
    return count;
  }

  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    m_pTypeInfo->AddRef();
    *info = m_pTypeInfo;
    return S_OK;
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    return DispGetIDsOfNames(m_pTypeInfo, names, count, ids);
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* badArgument) override {
    return DispInvoke(static_cast<I*>(this), m_pTypeInfo, id, flags, params, result, exception,
                      badArgument);
  }

 protected:
  virtual ~VLDualObject() {
    if (m_pTypeInfo) m_pTypeInfo->Release();
    VLModule::ObjectDestroyed();
  }

 private:
  LONG m_iRefCount = 1;
  ITypeInfo* m_pTypeInfo = nullptr;
};

#endif  // PLATFORM_WIN32_REAL_VLDUALOBJECT_H_
