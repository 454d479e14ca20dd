// TableDelegate: the configuration delegate a table installs on its configuration file while
// it is parsed; every line goes to the table's ConfigureItem.
#ifndef BACKENDS_NATIVE_DETAIL_TABLEDELEGATE_H_
#define BACKENDS_NATIVE_DETAIL_TABLEDELEGATE_H_

#include "core/ZTConfigurationDelegate.h"

class ZTTable;

class TableDelegate : public ZTConfigurationDelegate {
 public:
  explicit TableDelegate(ZTTable* table) : m_pTable(table) {}
  int ConfigureItem(const char* section, const char* key, const char* value) override;

 private:
  ZTTable* m_pTable;  // not counted: the delegate lives only while the table parses
};

#endif  // BACKENDS_NATIVE_DETAIL_TABLEDELEGATE_H_
