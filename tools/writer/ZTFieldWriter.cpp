#include "tools/writer/ZTFieldWriter.h"

void ZTFieldWriter::DeclareLine(std::string* dat, const char* sub, const char* type) const {
  *dat += "$" + m_name;
  if (sub) *dat += std::string(",") + sub;
  *dat += std::string("=") + type + "\n";
}
