// Base of the simulated Office automation objects: the members of one simulated application
// can be made to fail on demand.
#ifndef PLATFORM_WIN32_SIM_VLSIMOBJECT_H_
#define PLATFORM_WIN32_SIM_VLSIMOBJECT_H_

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/api/VLDispatch.h"
#include "platform/win32/api/VLVariant.h"

// Members that fail in every object of a simulated application.
using VLSimFailures = std::set<std::string>;

class VLSimObject : public VLDispatch {
 public:
  explicit VLSimObject(std::shared_ptr<const VLSimFailures> failures)
      : m_pFailures(std::move(failures)) {}

  VLStatus Invoke(const std::string& member, std::vector<VLVariant>& args, VLPassing passing,
                  VLVariant* result) final;

 protected:
  virtual VLStatus Answer(const std::string& member, std::vector<VLVariant>& args,
                          VLVariant* result) = 0;
  const std::shared_ptr<const VLSimFailures>& Failures() const { return m_pFailures; }

 private:
  std::shared_ptr<const VLSimFailures> m_pFailures;
};

// An object of one simulated application's model, whose m_failures it obeys.
template <class Model>
class VLSimModelObject : public VLSimObject {
 public:
  explicit VLSimModelObject(std::shared_ptr<Model> model)
      : VLSimObject(std::shared_ptr<const VLSimFailures>(model, &model->m_failures)),
        m_pModel(std::move(model)) {}

 protected:
  std::shared_ptr<Model> m_pModel;
};

// The application object: ActiveWindow is a new Window of the model.
template <class Model, class Window>
class VLSimApplication : public VLSimModelObject<Model> {
 public:
  using VLSimModelObject<Model>::VLSimModelObject;

 protected:
  VLStatus Answer(const std::string& member, std::vector<VLVariant>& args,
                  VLVariant* result) override {
    if (member != "ActiveWindow" || !args.empty()) return vlUnknownMember(member);
    *result = VLVariant::Adopt(new Window(this->m_pModel));
    return VLStatus::Ok();
  }
};

// True when args are count integers.
bool vlIntArgs(const std::vector<VLVariant>& args, size_t count);

#endif  // PLATFORM_WIN32_SIM_VLSIMOBJECT_H_
