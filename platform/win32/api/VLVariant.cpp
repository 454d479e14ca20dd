#include "platform/win32/api/VLVariant.h"

#include <utility>

#include "platform/win32/api/VLText.h"

VLVariant::VLVariant(const VLVariant& other)
    : m_eType(other.m_eType),
      m_iValue(other.m_iValue),
      m_sText(other.m_sText),
      m_pObject(other.m_pObject) {
  if (m_pObject) m_pObject->AddRef();
}

VLVariant::VLVariant(VLVariant&& other) noexcept
    : m_eType(other.m_eType),
      m_iValue(other.m_iValue),
      m_sText(std::move(other.m_sText)),
      m_pObject(std::exchange(other.m_pObject, nullptr)) {
  other.m_eType = kEmpty;
}

VLVariant& VLVariant::operator=(VLVariant other) noexcept {
  std::swap(m_eType, other.m_eType);
  std::swap(m_iValue, other.m_iValue);
  std::swap(m_sText, other.m_sText);
  std::swap(m_pObject, other.m_pObject);
  return *this;
}

VLVariant::~VLVariant() {
  if (m_pObject) m_pObject->Release();
}

VLVariant VLVariant::Int(int32_t value) {
  VLVariant v;
  v.m_eType = kInt;
  v.m_iValue = value;
  return v;
}

VLVariant VLVariant::Bool(bool value) {
  VLVariant v;
  v.m_eType = kBool;
  v.m_iValue = value ? 1 : 0;
  return v;
}

VLVariant VLVariant::Text(std::u16string value) {
  VLVariant v;
  v.m_eType = kText;
  v.m_sText = std::move(value);
  return v;
}

VLVariant VLVariant::Object(VLDispatch* object) {
  if (object) object->AddRef();
  return Adopt(object);
}

VLVariant VLVariant::Adopt(VLDispatch* object) {
  VLVariant v;
  v.m_eType = kObject;
  v.m_pObject = object;
  return v;
}

VLStatus VLVariant::ToBool(bool* value) const {
  switch (m_eType) {
    case kEmpty:
      *value = false;
      return VLStatus::Ok();
    case kInt:
    case kBool:
      *value = m_iValue != 0;
      return VLStatus::Ok();
    case kText:
      if (vlSameNoCase(m_sText, u"True")) return *value = true, VLStatus::Ok();
      if (vlSameNoCase(m_sText, u"False")) return *value = false, VLStatus::Ok();
      int64_t number;
      if (vlParseDecimal(m_sText, &number)) return *value = number != 0, VLStatus::Ok();
      break;
    case kObject:
      break;
  }
  return VLStatus::Error(VL_E_TYPEMISMATCH, "Could not convert variant to Boolean");
}

VLStatus VLVariant::ToText(std::u16string* text) const {
  switch (m_eType) {
    case kEmpty:
      text->clear();
      return VLStatus::Ok();
    case kInt:
      *text = vlDecimal(m_iValue);
      return VLStatus::Ok();
    case kBool:
      *text = m_iValue ? u"True" : u"False";
      return VLStatus::Ok();
    case kText:
      *text = m_sText;
      return VLStatus::Ok();
    case kObject:
      break;
  }
  VLVariant value;
  VLStatus status = Get("", &value);
  if (status.Failed()) return status;
  if (value.GetType() == kObject) {
    return VLStatus::Error(VL_E_TYPEMISMATCH, "Could not convert variant to text");
  }
  return value.ToText(text);
}

VLStatus VLVariant::Invoke(const std::string& member, std::vector<VLVariant> args,
                           VLVariant* result) const {
  if (m_eType != kObject || !m_pObject) {
    return VLStatus::Error(VL_E_TYPEMISMATCH, "Object required for " + member);
  }
  // result may be this variant: keep the object alive and assign last.
  VLVariant object(*this);
  VLVariant answer;
  VLStatus status = object.m_pObject->Invoke(member, args, VLPassing::kByValue, &answer);
  *result = std::move(answer);
  return status;
}

VLStatus VLVariant::Get(const std::string& member, VLVariant* result) const {
  return Invoke(member, {}, result);
}
