#include "backends/native/detail/TableDelegate.h"

#include "backends/native/ZTTable.h"

int TableDelegate::ConfigureItem(const char* section, const char* key, const char* value) {
  return m_pTable->ConfigureItem(section, key, value);
}
