// The class factory of an in-process server: a new object for each request.
#ifndef PLATFORM_WIN32_REAL_VLCLASSFACTORY_H_
#define PLATFORM_WIN32_REAL_VLCLASSFACTORY_H_

#include <windows.h>

#include <unknwn.h>

// Makes a new object and asks it for the interface.
using VLCreateObject = HRESULT (*)(REFIID interfaceId, void** object);

class VLClassFactory : public IClassFactory {
 public:
  explicit VLClassFactory(VLCreateObject create) : m_pCreate(create) {}

  STDMETHODIMP QueryInterface(REFIID interfaceId, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID interfaceId, void** object) override;
  STDMETHODIMP LockServer(BOOL lock) override;

 private:
  virtual ~VLClassFactory() = default;

  LONG m_iRefCount = 1;
  VLCreateObject m_pCreate;
};

// DllGetClassObject of a server of one class.
HRESULT vlGetClassObject(REFCLSID requested, REFIID interfaceId, void** object, REFCLSID served,
                         VLCreateObject create);

#endif  // PLATFORM_WIN32_REAL_VLCLASSFACTORY_H_
