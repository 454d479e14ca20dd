#include "platform/win32/real/VLRealErrors.h"

VLStatus vlHResult(HRESULT code, const std::string& what) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length ? std::string(text, length) : what;
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
    message.pop_back();
  }
  return VLStatus::Error(FAILED(code) ? code : E_FAIL, message);
}

VLStatus vlLastError(const std::string& what) {
  const DWORD error = GetLastError();
  return vlHResult(error ? HRESULT_FROM_WIN32(error) : E_FAIL, what);
}
