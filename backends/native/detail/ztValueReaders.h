// Readers of the little-endian numbers of a record, by width 1 to 4 (index 0 is unused: width
// 0 has no reader). An unsigned read of a signed field zero-extends, a signed read of an
// unsigned field sign-extends.
#ifndef BACKENDS_NATIVE_DETAIL_ZTVALUEREADERS_H_
#define BACKENDS_NATIVE_DETAIL_ZTVALUEREADERS_H_

#include <prtypes.h>

typedef PRUint32 (*ztUValueReader)(const PRUint8* bytes);
typedef PRInt32 (*ztSValueReader)(const PRUint8* bytes);

extern const ztUValueReader g_pfUValueReaders[5];
extern const ztSValueReader g_pfSValueReaders[5];

#endif  // BACKENDS_NATIVE_DETAIL_ZTVALUEREADERS_H_
