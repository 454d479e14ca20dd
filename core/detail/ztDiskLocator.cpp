#include "core/detail/ztDiskLocator.h"

#include <plstr.h>

#include <cstring>

#include "core/ZTEnvir.h"
#include "core/ZTErrors.h"
#include "core/ztConsoleLog.h"
#include "platform/mount/ztMountTable.h"
#include "platform/mount/ztReadDevice.h"

namespace {

// The primary volume descriptor of an ISO-9660 disc is sector 16.
const PRInt64 kDescriptorOffset = 32768;
const PRInt32 kDescriptorSize = 2048;
const int kVolumeIdOffset = 40;
const int kVolumeIdSize = 32;

enum class Probe { kUnreadable, kNotIso, kIso };

// Reads the device's volume identifier into name (kVolumeIdSize + 1 bytes), its trailing
// blanks cut off.
Probe ReadVolumeName(const char* device, char* name) {
  char block[kDescriptorSize];
  if (!ztReadDevice(device, kDescriptorOffset, block, kDescriptorSize)) return Probe::kUnreadable;
  if (std::memcmp(block + 1, "CD001", 5) != 0) return Probe::kNotIso;
  std::memcpy(name, block + kVolumeIdOffset, kVolumeIdSize);
  name[kVolumeIdSize] = '\0';
  for (int i = kVolumeIdSize - 1; i >= 0 && name[i] == ' '; --i) name[i] = '\0';
  return Probe::kIso;
}

// Finds the option "key=value" of a comma-separated option list; stores where its value
// starts and its length.
bool FindOption(const char* options, const char* key, const char** value, size_t* length) {
  const size_t keyLength = std::strlen(key);
  for (const char* option = options; option;) {
    const char* end = std::strchr(option, ',');
    if (std::strncmp(option, key, keyLength) == 0 && option[keyLength] == '=') {
      *value = option + keyLength + 1;
      *length = end ? static_cast<size_t>(end - *value) : std::strlen(*value);
      return true;
    }
    option = end ? end + 1 : nullptr;
  }
  return false;
}

bool OptionIs(const char* options, const char* key, const char* expected) {
  const char* value = nullptr;
  size_t length = 0;
  return FindOption(options, key, &value, &length) && length == std::strlen(expected) &&
         std::strncmp(value, expected, length) == 0;
}

char* OptionCopy(const char* options, const char* key) {
  const char* value = nullptr;
  size_t length = 0;
  if (!FindOption(options, key, &value, &length)) return nullptr;
  return PL_strndup(value, static_cast<PRUint32>(length));
}

}  // namespace

ztDiskLocator::ztDiskLocator() : m_pcszMountTable(ztMountTable::s_pcszSystemTable) {}

ztDiskLocator::ztDiskLocator(const char* pcszMountTable) : m_pcszMountTable(pcszMountTable) {}

char* ztDiskLocator::SelectDevice(const ztMountEntry& entry) {
  const char* options = entry.m_pcszOptions;
  if (std::strcmp(entry.m_pcszType, "supermount") == 0) {
    const bool cdDirectory =
        std::strstr(entry.m_pcszDirectory, "/cd") || std::strstr(entry.m_pcszDirectory, "/dvd");
    const bool candidate =
        OptionIs(options, "fs", "iso9660") || (OptionIs(options, "fs", "auto") && cdDirectory);
    return candidate ? OptionCopy(options, "dev") : nullptr;
  }
  if (std::strcmp(entry.m_pcszType, "subfs") == 0) {
    return OptionIs(options, "fs", "cdfss") ? PL_strdup(entry.m_pcszDevice) : nullptr;
  }
  return std::strcmp(entry.m_pcszType, "iso9660") == 0 ? PL_strdup(entry.m_pcszDevice) : nullptr;
}

bool ztDiskLocator::Matches(const ztMountEntry& entry, const char* pcszLabel) {
  char* device = SelectDevice(entry);
  if (!device) return false;
  ztConsoleLog::Log("Device : %s : ", device);
  char name[kVolumeIdSize + 1];
  const Probe probe = ReadVolumeName(device, name);
  PL_strfree(device);
  if (probe == Probe::kNotIso) ztConsoleLog::Log("Not an iso cdrom\n");
  if (probe != Probe::kIso) return false;
  ztConsoleLog::Log("volume name = «%s»\n", name);
  return std::strncmp(name, pcszLabel, kVolumeIdSize) == 0;
}

char* ztDiskLocator::FindMountDirectory(const char* pcszLabel) const {
  ztMountTable table;
  if (!table.Open(m_pcszMountTable)) return nullptr;
  ztMountEntry entry;
  while (table.Next(&entry)) {
    if (Matches(entry, pcszLabel)) return PL_strdup(entry.m_pcszDirectory);
  }
  return nullptr;
}

int ztDiskLocator::AddToPath(const char* pcszLabel) const {
  if (!pcszLabel) return ZT_E_INVALID;
  ZTEnvir* envir = nullptr;
  int rc = ZTEnvir::GetEnvir(&envir);
  if (rc) return rc;
  char* directory = FindMountDirectory(pcszLabel);
  if (!directory) {
    return ZTError(ZT_E_NOTFOUND, "[ZTFactory::AddDisk] Volume : '%s' not found", pcszLabel);
  }
  ztConsoleLog::Log("Found CD «%s» at : %s", pcszLabel, directory);
  rc = envir->PrependToValue("PATH", ";");
  if (!rc) rc = envir->PrependToValue("PATH", directory);
  PL_strfree(directory);
  return rc;
}
