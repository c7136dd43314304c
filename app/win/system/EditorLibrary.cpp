// The binding table of talvine.dll: loaded by name, all exports bound or none.
#include "app/win/system/EditorLibrary.h"

EditorLibrary Editor;

bool BindEditorLibrary()
{
    Editor.module = LoadLibraryA("talvine.dll");
    if (!Editor.module)
        return false;
    bool complete = true;
#define QX_BIND_ENTRY(name, result, params, guard)                                          \
    Editor.name = reinterpret_cast<name##Proc>(                                            \
        reinterpret_cast<void (*)()>(GetProcAddress(Editor.module, "_" #name)));           \
    complete = complete && Editor.name != nullptr;
    QX_EXPORTS(QX_BIND_ENTRY)
    QX_EXTENDED_EXPORTS(QX_BIND_ENTRY)
#undef QX_BIND_ENTRY
    if (complete)
        return true;
    UnbindEditorLibrary();
    return false;
}

void UnbindEditorLibrary()
{
    if (Editor.module)
        FreeLibrary(Editor.module);
    Editor = EditorLibrary{};
}
