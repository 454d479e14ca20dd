// Result codes of the Windows lookup layer: HRESULT values, with a message on failure.
#ifndef PLATFORM_WIN32_API_VLSTATUS_H_
#define PLATFORM_WIN32_API_VLSTATUS_H_

#include <cstdint>
#include <string>

constexpr int32_t VL_S_OK = 0;
constexpr int32_t VL_S_FALSE = 1;
constexpr int32_t VL_E_UNEXPECTED = static_cast<int32_t>(0x8000FFFFu);
constexpr int32_t VL_E_FAIL = static_cast<int32_t>(0x80004005u);
constexpr int32_t VL_E_INVALIDARG = static_cast<int32_t>(0x80070057u);
constexpr int32_t VL_E_MEMBERNOTFOUND = static_cast<int32_t>(0x80020003u);
constexpr int32_t VL_E_TYPEMISMATCH = static_cast<int32_t>(0x80020005u);
constexpr int32_t VL_E_BADPARAMCOUNT = static_cast<int32_t>(0x8002000Eu);

// The outcome of a platform or automation call. A failure carries the message that the
// trace channel shows.
struct VLStatus {
  int32_t m_iCode = VL_S_OK;
  std::string m_sMessage;

  bool Failed() const { return m_iCode < 0; }
  static VLStatus Ok() { return VLStatus(); }
  static VLStatus Error(int32_t code, std::string message) {
    return VLStatus{code, std::move(message)};
  }
};

#endif  // PLATFORM_WIN32_API_VLSTATUS_H_
