#include "platform/win32/real/VLComVariant.h"

#include <oleauto.h>

#include "platform/win32/real/VLComDispatch.h"

namespace {

HRESULT FromObject(IUnknown* unknown, VLVariant* value) {
  if (!unknown) {
    *value = VLVariant::Object(nullptr);
    return S_OK;
  }
  IDispatch* object = nullptr;
  const HRESULT asked = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object));
  if (FAILED(asked)) return asked;
  *value = vlWrapDispatch(object);
  object->Release();
  return S_OK;
}

}  // namespace

std::u16string vlFromBstr(BSTR text) {
  return text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text))
              : std::u16string();
}

HRESULT vlFromVariant(const VARIANT& source, VLVariant* value) {
  VARIANT plain;
  VariantInit(&plain);
  HRESULT result = VariantCopyInd(&plain, const_cast<VARIANT*>(&source));
  if (FAILED(result)) return result;
  switch (V_VT(&plain)) {
    case VT_EMPTY:
    case VT_NULL:
      *value = VLVariant();
      break;
    case VT_BOOL:
      *value = VLVariant::Bool(V_BOOL(&plain) != VARIANT_FALSE);
      break;
    case VT_BSTR:
      *value = VLVariant::Text(vlFromBstr(V_BSTR(&plain)));
      break;
    case VT_DISPATCH:
      result = FromObject(V_DISPATCH(&plain), value);
      break;
    case VT_UNKNOWN:
      result = FromObject(V_UNKNOWN(&plain), value);
      break;
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_UI1:
    case VT_UI2:
    case VT_INT:
      result = VariantChangeType(&plain, &plain, 0, VT_I4);
      if (SUCCEEDED(result)) *value = VLVariant::Int(V_I4(&plain));
      break;
    default:
      result = VariantChangeType(&plain, &plain, 0, VT_BSTR);
      if (SUCCEEDED(result)) *value = VLVariant::Text(vlFromBstr(V_BSTR(&plain)));
      break;
  }
  VariantClear(&plain);
  return result;
}

HRESULT vlToVariant(const VLVariant& value, VARIANT* target) {
  VariantInit(target);
  switch (value.GetType()) {
    case VLVariant::kEmpty:
      return S_OK;
    case VLVariant::kInt:
      V_VT(target) = VT_I4;
      V_I4(target) = value.AsInt();
      return S_OK;
    case VLVariant::kBool:
      V_VT(target) = VT_BOOL;
      V_BOOL(target) = value.AsBool() ? VARIANT_TRUE : VARIANT_FALSE;
      return S_OK;
    case VLVariant::kText: {
      const std::u16string& text = value.AsText();
      V_VT(target) = VT_BSTR;
      V_BSTR(target) = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                         static_cast<UINT>(text.size()));
      return V_BSTR(target) ? S_OK : E_OUTOFMEMORY;
    }
    case VLVariant::kObject:
      break;
  }
  // Only automation objects of the system can travel.
  VLComDispatch* object = dynamic_cast<VLComDispatch*>(value.AsObject());
  if (value.AsObject() && !object) return DISP_E_TYPEMISMATCH;
  V_VT(target) = VT_DISPATCH;
  V_DISPATCH(target) = object ? object->Get() : nullptr;
  if (object) object->Get()->AddRef();
  return S_OK;
}
