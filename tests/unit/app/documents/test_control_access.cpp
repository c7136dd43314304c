// The control access suite on the in-memory fake and on the real editing model.
#include "tests/unit/app/documents/ControlAccessSuite.h"
#include "tests/unit/app/documents/FakeControl.h"
#include "tests/unit/app/documents/ModelControl.h"

#include <utility>

namespace {

class FakeSubject {
public:
    explicit FakeSubject(std::vector<uint8_t> bytes) : control_(std::move(bytes)) {}
    ControlAccess& access() { return control_; }
    std::vector<uint8_t> bytes() const { return control_.data_; }
    void setReadOnly(bool on) { control_.readOnly_ = on; }

private:
    FakeControl control_;
};

class ModelSubject {
public:
    explicit ModelSubject(std::vector<uint8_t> bytes) : control_(std::move(bytes)) {}
    ControlAccess& access() { return control_; }
    std::vector<uint8_t> bytes() const { return control_.bytes(); }
    void setReadOnly(bool on) { control_.model().setReadOnly(on); }

private:
    ModelControl control_;
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, ControlAccessSuite, FakeSubject);
INSTANTIATE_TYPED_TEST_SUITE_P(Model, ControlAccessSuite, ModelSubject);
