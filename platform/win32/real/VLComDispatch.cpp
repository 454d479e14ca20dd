#include "platform/win32/real/VLComDispatch.h"

#include <oleauto.h>

#include <vector>

#include "platform/win32/api/VLText.h"
#include "platform/win32/real/VLComVariant.h"
#include "platform/win32/real/VLRealErrors.h"

namespace {

// VARIANTs for a call, cleared at the end of the scope.
class VariantArray {
 public:
  explicit VariantArray(size_t count) : m_values(count) {
    for (VARIANT& v : m_values) VariantInit(&v);
  }
  ~VariantArray() {
    for (VARIANT& v : m_values) VariantClear(&v);
  }
  VariantArray(const VariantArray&) = delete;
  VariantArray& operator=(const VariantArray&) = delete;
  VARIANT& operator[](size_t i) { return m_values[i]; }
  size_t size() const { return m_values.size(); }

 private:
  std::vector<VARIANT> m_values;
};

std::wstring Wide(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

VLStatus FromException(HRESULT code, EXCEPINFO& exception, const std::string& member) {
  if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
  VLStatus status = exception.bstrDescription
                        ? VLStatus::Error(FAILED(exception.scode) ? exception.scode : code,
                                          vlUtf8(vlFromBstr(exception.bstrDescription)))
                        : vlHResult(code, member + " failed");
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return status;
}

}  // namespace

VLComDispatch::VLComDispatch(IDispatch* object) : m_pObject(object) {
  m_pObject->AddRef();
}

VLComDispatch::~VLComDispatch() {
  m_pObject->Release();
}

VLStatus VLComDispatch::Invoke(const std::string& member, std::vector<VLVariant>& args,
                               VLPassing passing, VLVariant* result) {
  DISPID id = DISPID_VALUE;
  if (!member.empty()) {
    std::wstring name = Wide(member);
    LPOLESTR names[] = {&name[0]};
    const HRESULT found = m_pObject->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(found)) return vlHResult(found, "Unknown member " + member);
  }
  const size_t count = args.size();
  VariantArray values(count), refs(count);
  for (size_t i = 0; i < count; ++i) {
    // The arguments go in reverse order.
    VARIANT& value = values[count - 1 - i];
    const HRESULT converted = vlToVariant(args[i], &value);
    if (FAILED(converted)) return vlHResult(converted, "Invalid argument for " + member);
    if (passing == VLPassing::kByRef) {
      V_VT(&refs[count - 1 - i]) = VT_BYREF | VT_VARIANT;
      V_VARIANTREF(&refs[count - 1 - i]) = &value;
    }
  }
  DISPPARAMS params = {passing == VLPassing::kByRef ? &refs[0] : &values[0], nullptr,
                       static_cast<UINT>(count), 0};
  if (count == 0) params.rgvarg = nullptr;
  VariantArray answer(1);
  EXCEPINFO exception = {};
  UINT badArg = 0;
  const HRESULT called =
      m_pObject->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                        &params, &answer[0], &exception, &badArg);
  if (called == DISP_E_EXCEPTION) return FromException(called, exception, member);
  if (FAILED(called)) return vlHResult(called, member + " failed");
  if (passing == VLPassing::kByRef) {
    for (size_t i = 0; i < count; ++i) vlFromVariant(values[count - 1 - i], &args[i]);
  }
  const HRESULT read = vlFromVariant(answer[0], result);
  return FAILED(read) ? vlHResult(read, "Unsupported answer of " + member) : VLStatus::Ok();
}

VLVariant vlWrapDispatch(IDispatch* object) {
  return VLVariant::Adopt(object ? new VLComDispatch(object) : nullptr);
}
