// ControlView: the out-of-line destructor anchors the interface's virtual table here.
#include "core/ControlView.h"

ControlView::~ControlView() = default;
