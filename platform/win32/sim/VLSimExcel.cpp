#include "platform/win32/sim/VLSimExcel.h"

#include "platform/win32/sim/VLSimObject.h"

struct VLSimExcel::Sheet {
  std::map<std::pair<int32_t, int32_t>, std::u16string> m_cells;
  std::u16string m_sSelection;
  VLSimFailures m_failures;
};

namespace {

using SheetPtr = std::shared_ptr<VLSimExcel::Sheet>;

using SheetObject = VLSimModelObject<VLSimExcel::Sheet>;

class ExcelRange : public SheetObject {
 public:
  ExcelRange(SheetPtr sheet, std::u16string text)
      : SheetObject(std::move(sheet)), m_sText(std::move(text)) {}

 protected:
  VLStatus Answer(const std::string& member, std::vector<VLVariant>& args,
                  VLVariant* result) override {
    if (member != "Text" || !args.empty()) return vlUnknownMember(member);
    *result = VLVariant::Text(m_sText);
    return VLStatus::Ok();
  }

 private:
  std::u16string m_sText;
};

class ExcelWindow : public SheetObject {
 public:
  using SheetObject::SheetObject;

 protected:
  VLStatus Answer(const std::string& member, std::vector<VLVariant>& args,
                  VLVariant* result) override {
    if (member == "Selection" && args.empty()) {
      *result = VLVariant::Adopt(new ExcelRange(m_pModel, m_pModel->m_sSelection));
      return VLStatus::Ok();
    }
    if (member != "RangeFromPoint") return vlUnknownMember(member);
    if (!vlIntArgs(args, 2)) return vlBadArguments(member);
    const auto cell = m_pModel->m_cells.find({args[0].AsInt(), args[1].AsInt()});
    if (cell == m_pModel->m_cells.end()) return VLStatus::Error(VL_E_FAIL, "No cell at the point");
    *result = VLVariant::Adopt(new ExcelRange(m_pModel, cell->second));
    return VLStatus::Ok();
  }
};

using ExcelApplication = VLSimApplication<VLSimExcel::Sheet, ExcelWindow>;

}  // namespace

VLSimExcel::VLSimExcel() : m_pSheet(std::make_shared<Sheet>()) {}

VLVariant VLSimExcel::Application() const {
  return VLVariant::Adopt(new ExcelApplication(m_pSheet));
}

void VLSimExcel::SetCell(int32_t x, int32_t y, std::u16string text) {
  m_pSheet->m_cells[{x, y}] = std::move(text);
}

void VLSimExcel::SetSelection(std::u16string text) {
  m_pSheet->m_sSelection = std::move(text);
}

void VLSimExcel::Fail(const std::string& member) {
  m_pSheet->m_failures.insert(member);
}
