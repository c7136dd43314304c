// The binding table of talvine.dll: loaded by name, all exports bound or none.
#pragma once
#include "talvine.h"

struct EditorLibrary {
    HMODULE module = nullptr;
#define QX_DECLARE_ENTRY(name, result, params, guard) name##Proc name = nullptr;
    QX_EXPORTS(QX_DECLARE_ENTRY)
    QX_EXTENDED_EXPORTS(QX_DECLARE_ENTRY)
#undef QX_DECLARE_ENTRY
};

// The process's binding table; every call into the control goes through it.
extern EditorLibrary Editor;

// Loads "talvine.dll" with the system's search and binds every export by name; on any
// missing export the library is freed again and the table left empty.
bool BindEditorLibrary();
void UnbindEditorLibrary();
