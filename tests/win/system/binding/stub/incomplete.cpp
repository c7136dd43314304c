// A stand-in talvine.dll that lacks one export: every function it has does nothing.
#define TALVINE_BUILDING
#include "talvine.h"

#define QX_STUB(name, result, params, guard) \
    extern "C" result name params { return guard; }
QX_EXPORTS(QX_STUB)
QX_EXTENDED_EXPORTS(QX_STUB)
