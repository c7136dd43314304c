// The control access suite on the real control, through the bound exports as the program reaches it.
#include "app/win/system/EditorControl.h"
#include "app/win/system/EditorLibrary.h"
#include "tests/unit/app/documents/ControlAccessSuite.h"
#include "tests/win/support/ControlHost.h"

#include <utility>

namespace {

class RealSubject {
public:
    explicit RealSubject(std::vector<uint8_t> bytes) : access_(host_.control())
    {
        Editor.QX_SetData(host_.control(), bytes.data(), static_cast<int>(bytes.size()));
    }
    ControlAccess& access() { return access_; }
    std::vector<uint8_t> bytes() const
    {
        std::vector<uint8_t> data(static_cast<size_t>(Editor.QX_GetDataSize(host_.control())));
        Editor.QX_GetData(host_.control(), data.data(), 0, static_cast<int>(data.size()));
        return data;
    }
    void setReadOnly(bool on) { Editor.QX_SetReadOnly(host_.control(), on); }

private:
    ControlHost host_;
    EditorControl access_;
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Real, ControlAccessSuite, RealSubject);
