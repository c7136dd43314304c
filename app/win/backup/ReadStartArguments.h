// This editor's own command line, read and interpreted once at start-up.
#pragma once
#include "app/backup/StartArguments.h"

// What this process was started to show: GetCommandLineA cut into tokens with the
// program's module path removed from its front, then interpreted, a joined-up name
// counting only when FileExists says it is a file.
[[nodiscard]] TStartArguments ReadStartArguments();
