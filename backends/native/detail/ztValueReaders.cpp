#include "backends/native/detail/ztValueReaders.h"

namespace {

PRUint32 readUValue8(const PRUint8* b) {
  return b[0];
}
PRUint32 readUValue16(const PRUint8* b) {
  return b[0] | (b[1] << 8);
}
PRUint32 readUValue24(const PRUint8* b) {
  return b[0] | (b[1] << 8) | (b[2] << 16);
}
PRUint32 readUValue32(const PRUint8* b) {
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<PRUint32>(b[3]) << 24);
}

PRInt32 readSValue8(const PRUint8* b) {
  return static_cast<PRInt8>(b[0]);
}
PRInt32 readSValue16(const PRUint8* b) {
  return static_cast<PRInt16>(readUValue16(b));
}
PRInt32 readSValue24(const PRUint8* b) {
  const PRUint32 value = readUValue24(b);
  return static_cast<PRInt32>(value & 0x800000 ? value | 0xFF000000u : value);
}
PRInt32 readSValue32(const PRUint8* b) {
  return static_cast<PRInt32>(readUValue32(b));
}

}  // namespace

const ztUValueReader g_pfUValueReaders[5] = {nullptr, readUValue8, readUValue16, readUValue24,
                                             readUValue32};
const ztSValueReader g_pfSValueReaders[5] = {nullptr, readSValue8, readSValue16, readSValue24,
                                             readSValue32};
