#include "platform/mount/ztMountTable.h"

const char* const ztMountTable::s_pcszSystemTable = "/etc/mtab";

ztMountTable::ztMountTable() : m_pFile(nullptr), m_sEntry(), m_szLine() {}

ztMountTable::~ztMountTable() {
  Close();
}

bool ztMountTable::Open(const char* pcszPath) {
  Close();
  m_pFile = setmntent(pcszPath, "r");
  return m_pFile != nullptr;
}

bool ztMountTable::Next(ztMountEntry* pEntry) {
  if (!m_pFile || !getmntent_r(m_pFile, &m_sEntry, m_szLine, sizeof(m_szLine))) return false;
  pEntry->m_pcszDevice = m_sEntry.mnt_fsname;
  pEntry->m_pcszDirectory = m_sEntry.mnt_dir;
  pEntry->m_pcszType = m_sEntry.mnt_type;
  pEntry->m_pcszOptions = m_sEntry.mnt_opts;
  return true;
}

void ztMountTable::Close() {
  if (m_pFile) endmntent(m_pFile);
  m_pFile = nullptr;
}
