// Raw reads of a block device (a CD-ROM drive) or of a file holding a disc image.
#ifndef PLATFORM_MOUNT_ZTREADDEVICE_H_
#define PLATFORM_MOUNT_ZTREADDEVICE_H_

#include <prtypes.h>

// Reads exactly length bytes at offset of the device or file at path. False when it cannot
// be opened or read, or holds fewer bytes there.
bool ztReadDevice(const char* pcszPath, PRInt64 offset, void* pBuffer, PRInt32 length);

#endif  // PLATFORM_MOUNT_ZTREADDEVICE_H_
