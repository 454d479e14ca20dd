#include "core/ZTTextFile.h"

#include <plstr.h>
#include <prerror.h>
#include <prmem.h>

#include <cstring>

#include "core/ZTErrors.h"
#include "core/detail/IniParser.h"

namespace {

const PRUint32 kInitialCapacity = 4096;

bool IsStandardInput(PRFileDesc* fd) {
  return fd == PR_GetSpecialFD(PR_StandardInput);
}

}  // namespace

ZTTextFile::ZTTextFile()
    : m_bReady(false),
      m_bAtEnd(false),
      m_pFileDesc(nullptr),
      m_pcBuffer(nullptr),
      m_uCapacity(0),
      m_uStart(0),
      m_uFilled(0),
      m_iFileSize(0),
      m_pConfigurationDelegate(nullptr) {}

ZTTextFile::~ZTTextFile() {
  Reset();
}

void ZTTextFile::Reset() {
  // The process's standard input outlives the text file that reads it.
  if (m_pFileDesc && !IsStandardInput(m_pFileDesc)) PR_Close(m_pFileDesc);
  m_pFileDesc = nullptr;
  PR_FREEIF(m_pcBuffer);
  m_bReady = false;
  m_bAtEnd = false;
  m_uStart = m_uFilled = 0;
  m_iFileSize = 0;
}

int ZTTextFile::Attach(PRFileDesc* fd, PRInt64 size) {
  m_pFileDesc = fd;
  m_iFileSize = size;
  return PostInitialize();
}

int ZTTextFile::SetFileName(const char* name, const char* subname) {
  Reset();
  if (!name) {
    PL_strfree(m_pcPath);
    m_pcPath = nullptr;
    return Attach(PR_GetSpecialFD(PR_StandardInput), 0);
  }
  int rc = ZTFile::SetFileName(name, subname);
  if (rc) return rc;
  PRFileDesc* fd = PR_Open(m_pcPath, PR_RDONLY, 0);
  // Not logged: callers try other names when a file cannot be opened.
  if (!fd) return ZT_E_FAILED;
  PRFileInfo64 info;
  if (PR_GetOpenFileInfo64(fd, &info) != PR_SUCCESS) {
    PR_Close(fd);
    return ZT_E_FAILED;
  }
  return Attach(fd, info.size);
}

int ZTTextFile::SetFileDesc(PRFileDesc* fd) {
  if (!fd) return ZT_E_INVALID;
  Reset();
  return Attach(fd, 0);
}

int ZTTextFile::PostInitialize() {
  m_bReady = false;
  if (!m_pFileDesc) return ZT_E_STATE;
  PR_FREEIF(m_pcBuffer);
  m_uCapacity = kInitialCapacity;
  m_pcBuffer = static_cast<char*>(PR_Malloc(m_uCapacity + 1));
  if (!m_pcBuffer) return ZT_E_NOMEM;
  m_uStart = m_uFilled = 0;
  m_bAtEnd = false;
  m_bReady = true;
  return ZT_OK;
}

char* ZTTextFile::TakeLine(PRUint32 end) {
  char* line = m_pcBuffer + m_uStart;
  if (end < m_uFilled) {
    // Ended by a line feed, and by the carriage return before it if there is one.
    if (end > m_uStart && m_pcBuffer[end - 1] == '\r') m_pcBuffer[end - 1] = '\0';
    m_uStart = end + 1;
  } else {
    m_uStart = end;
  }
  m_pcBuffer[end] = '\0';
  return line;
}

int ZTTextFile::Fill() {
  PRUint32 unread = m_uFilled - m_uStart;
  std::memmove(m_pcBuffer, m_pcBuffer + m_uStart, unread);
  m_uStart = 0;
  m_uFilled = unread;
  if (m_uFilled == m_uCapacity) {
    if (m_uCapacity > static_cast<PRUint32>(PR_INT32_MAX) / 2) return ZT_E_NOMEM;
    char* grown = static_cast<char*>(PR_Realloc(m_pcBuffer, m_uCapacity * 2 + 1));
    if (!grown) return ZT_E_NOMEM;
    m_pcBuffer = grown;
    m_uCapacity *= 2;
  }
  PRInt32 got =
      PR_Read(m_pFileDesc, m_pcBuffer + m_uFilled, static_cast<PRInt32>(m_uCapacity - m_uFilled));
  if (got < 0) {
    return ZTError(ZT_E_FAILED, "[ZTTextFile::GetLine] Read error %d on %s", PR_GetError(),
                   m_pcPath);
  }
  if (got == 0) m_bAtEnd = true;
  m_uFilled += static_cast<PRUint32>(got);
  return ZT_OK;
}

int ZTTextFile::GetLine(char** ppcLine) {
  if (!m_bReady) return ZTError(ZT_E_FAILED, "[ZTTextFile::GetLine] No file is open");
  if (!ppcLine) return ZT_E_INVALID;
  *ppcLine = nullptr;
  for (;;) {
    if (m_bAtEnd && m_uStart == m_uFilled) {
      PR_FREEIF(m_pcBuffer);
      m_uStart = m_uFilled = 0;
      return ZT_OK;
    }
    const void* feed = std::memchr(m_pcBuffer + m_uStart, '\n', m_uFilled - m_uStart);
    if (feed) {
      *ppcLine = TakeLine(static_cast<PRUint32>(static_cast<const char*>(feed) - m_pcBuffer));
      return ZT_OK;
    }
    if (m_bAtEnd) {
      *ppcLine = TakeLine(m_uFilled);  // the last line, without a line feed
      return ZT_OK;
    }
    int rc = Fill();
    if (rc) return rc;
  }
}

PRInt64 ZTTextFile::GetFilePosition() {
  return m_pFileDesc ? PR_Seek64(m_pFileDesc, 0, PR_SEEK_CUR) : -1;
}

int ZTTextFile::ConfigureItem(const char* section, const char* key, const char* value) {
  if (!key) return ZT_OK;
  if (m_pConfigurationDelegate) {
    int rc = m_pConfigurationDelegate->ConfigureItem(section, key, value);
    if (rc != ZT_E_UNHANDLED) return rc;
  }
  return ZTError(ZT_E_BADOPTION, "[ZTTextFile::Configure] Invalid configuration option [%s] %s=%s",
                 section, key, value);
}

int ZTTextFile::ParseConfiguration() {
  IniParser parser(this);  // keeps this file alive while ConfigureItem runs
  int rc = PushEnvir();
  if (rc) return rc;
  IniLine line;
  bool found = false;
  while ((rc = parser.readIniLine(&line, &found)) == ZT_OK && found) {
    rc = ConfigureItem(line.section, line.key, line.value);
    if (rc) {
      ZTError(ZT_E_FAILED,
              "[ZTTextFile::ParseConfiguration] Stops parsing. Error %d on line %d of %s : "
              "%s/%s=%s",
              rc, parser.GetLineNumber(), m_pcPath, line.section, line.key, line.value);
      break;
    }
  }
  PopEnvir();
  return rc;
}
