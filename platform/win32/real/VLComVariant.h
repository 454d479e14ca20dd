// Conversions between automation VARIANTs and the layer's variants.
#ifndef PLATFORM_WIN32_REAL_VLCOMVARIANT_H_
#define PLATFORM_WIN32_REAL_VLCOMVARIANT_H_

#include <windows.h>

#include <string>

#include "platform/win32/api/VLVariant.h"

// The value of source, references followed; numbers and dates become integers or text.
HRESULT vlFromVariant(const VARIANT& source, VLVariant* value);

// A new VARIANT holding value (the caller clears it). Of objects, only the system's
// automation objects can travel.
HRESULT vlToVariant(const VLVariant& value, VARIANT* target);

// A BSTR's text.
std::u16string vlFromBstr(BSTR text);

#endif  // PLATFORM_WIN32_REAL_VLCOMVARIANT_H_
