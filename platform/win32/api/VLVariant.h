// A value passed to and from automation objects: empty, integer, Boolean, text or object.
// The type codes are those of automation variants.
#ifndef PLATFORM_WIN32_API_VLVARIANT_H_
#define PLATFORM_WIN32_API_VLVARIANT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/api/VLDispatch.h"
#include "platform/win32/api/VLStatus.h"

class VLVariant {
 public:
  enum Type : uint16_t { kEmpty = 0, kInt = 3, kText = 8, kObject = 9, kBool = 11 };

  VLVariant() = default;
  VLVariant(const VLVariant& other);
  VLVariant(VLVariant&& other) noexcept;
  VLVariant& operator=(VLVariant other) noexcept;
  ~VLVariant();

  static VLVariant Int(int32_t value);
  static VLVariant Bool(bool value);
  static VLVariant Text(std::u16string value);
  // Holds a new reference to object (null is the automation "Nothing").
  static VLVariant Object(VLDispatch* object);
  // Takes over the caller's reference to object.
  static VLVariant Adopt(VLDispatch* object);

  Type GetType() const { return m_eType; }
  int32_t AsInt() const { return m_iValue; }
  bool AsBool() const { return m_iValue != 0; }
  const std::u16string& AsText() const { return m_sText; }
  VLDispatch* AsObject() const { return m_pObject; }

  // Conversion to Boolean: integers are true when not 0, texts "True" and "False" (any case)
  // or a decimal integer, empty is false; anything else is a type mismatch.
  VLStatus ToBool(bool* value) const;
  // Conversion to text: empty gives "", integers their decimal form, Booleans "True" or
  // "False"; an object gives the text of its default member.
  VLStatus ToText(std::u16string* text) const;

  // Calls a member of the object held (by value); fails when no object is held.
  VLStatus Invoke(const std::string& member, std::vector<VLVariant> args, VLVariant* result) const;
  // Invoke without arguments: reads a property.
  VLStatus Get(const std::string& member, VLVariant* result) const;

 private:
  Type m_eType = kEmpty;
  int32_t m_iValue = 0;
  std::u16string m_sText;
  VLDispatch* m_pObject = nullptr;
};

#endif  // PLATFORM_WIN32_API_VLVARIANT_H_
