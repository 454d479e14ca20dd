#include "core/ztMemoryFile.h"

#include <prerror.h>
#include <prinit.h>
#include <prmem.h>

#include <cstring>
#include <type_traits>

// The state of a memory descriptor; NSPR leaves this type to each kind of descriptor.
struct PRFilePrivate {
  const char* m_pcBytes;
  PRUint32 m_uLength;
  PRUint32 m_uPosition;
};

namespace {

PRCallOnceType s_identityOnce;
PRDescIdentity s_identity = PR_INVALID_IO_LAYER;

PRStatus InitIdentity() {
  s_identity = PR_GetUniqueIdentity("ZT memory file");
  return s_identity == PR_INVALID_IO_LAYER ? PR_FAILURE : PR_SUCCESS;
}

PRInt32 MemoryRead(PRFileDesc* fd, void* buf, PRInt32 amount) {
  if (amount < 0 || (!buf && amount > 0)) {
    PR_SetError(PR_INVALID_ARGUMENT_ERROR, 0);
    return -1;
  }
  PRFilePrivate* memory = fd->secret;
  PRUint32 left = memory->m_uLength - memory->m_uPosition;
  PRUint32 count = static_cast<PRUint32>(amount) < left ? static_cast<PRUint32>(amount) : left;
  if (count) std::memcpy(buf, memory->m_pcBytes + memory->m_uPosition, count);
  memory->m_uPosition += count;
  return static_cast<PRInt32>(count);
}

PRStatus MemoryClose(PRFileDesc* fd) {
  PR_DELETE(fd->secret);
  fd->dtor(fd);
  return PR_SUCCESS;
}

template <class R>
R Failure() {
  if constexpr (std::is_pointer_v<R>) {
    return nullptr;
  } else if constexpr (std::is_same_v<R, PRStatus>) {
    return PR_FAILURE;
  } else {
    return static_cast<R>(-1);
  }
}

// The method of every operation a memory descriptor does not support.
template <class Fn>
struct Unsupported;
template <class R, class... Args>
struct Unsupported<R (*)(Args...)> {
  static R Call(Args...) {
    PR_SetError(PR_INVALID_METHOD_ERROR, 0);
    return Failure<R>();
  }
};
template <class Fn>
constexpr Fn Refuse() {
  return &Unsupported<Fn>::Call;
}

const PRIOMethods kMemoryMethods = {
    PR_DESC_FILE,
    MemoryClose,
    MemoryRead,
    Refuse<PRWriteFN>(),
    Refuse<PRAvailableFN>(),
    Refuse<PRAvailable64FN>(),
    Refuse<PRFsyncFN>(),
    Refuse<PRSeekFN>(),
    Refuse<PRSeek64FN>(),
    Refuse<PRFileInfoFN>(),
    Refuse<PRFileInfo64FN>(),
    Refuse<PRWritevFN>(),
    Refuse<PRConnectFN>(),
    Refuse<PRAcceptFN>(),
    Refuse<PRBindFN>(),
    Refuse<PRListenFN>(),
    Refuse<PRShutdownFN>(),
    Refuse<PRRecvFN>(),
    Refuse<PRSendFN>(),
    Refuse<PRRecvfromFN>(),
    Refuse<PRSendtoFN>(),
    Refuse<PRPollFN>(),
    Refuse<PRAcceptreadFN>(),
    Refuse<PRTransmitfileFN>(),
    Refuse<PRGetsocknameFN>(),
    Refuse<PRGetpeernameFN>(),
    Refuse<PRReservedFN>(),
    Refuse<PRReservedFN>(),
    Refuse<PRGetsocketoptionFN>(),
    Refuse<PRSetsocketoptionFN>(),
    Refuse<PRSendfileFN>(),
    Refuse<PRConnectcontinueFN>(),
    Refuse<PRReservedFN>(),
    Refuse<PRReservedFN>(),
    Refuse<PRReservedFN>(),
    Refuse<PRReservedFN>(),
};

}  // namespace

PRFileDesc* ztPR_OpenMemory(const void* bytes, PRUint32 length) {
  if (!bytes) return nullptr;
  if (PR_CallOnce(&s_identityOnce, InitIdentity) != PR_SUCCESS) return nullptr;
  PRFilePrivate* memory = PR_NEW(PRFilePrivate);
  if (!memory) return nullptr;
  *memory = {static_cast<const char*>(bytes), length, 0};
  PRFileDesc* fd = PR_CreateIOLayerStub(s_identity, &kMemoryMethods);
  if (!fd) {
    PR_DELETE(memory);
    return nullptr;
  }
  fd->secret = memory;
  return fd;
}

char* PR_fgets(char* buffer, PRInt32 size, PRFileDesc* fd) {
  if (!buffer || !fd || size < 2) return nullptr;
  PRInt32 stored = 0;
  while (stored < size - 1) {
    PRInt32 got = PR_Read(fd, buffer + stored, 1);
    if (got < 0) return nullptr;
    if (got == 0) break;
    if (buffer[stored++] == '\n') break;
  }
  if (stored == 0) return nullptr;
  buffer[stored] = '\0';
  return buffer;
}
