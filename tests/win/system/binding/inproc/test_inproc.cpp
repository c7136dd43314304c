// Binding against a library that lacks one export fails and leaves the library unloaded.
#include "app/win/system/EditorLibrary.h"

#include <gtest/gtest.h>

TEST(Binding, IncompleteLibraryIsNotBoundAndNotLeftLoaded)
{
    EXPECT_FALSE(BindEditorLibrary());
    EXPECT_EQ(Editor.module, nullptr);
    EXPECT_EQ(Editor.QX_Create, nullptr);
    EXPECT_EQ(GetModuleHandleA("talvine.dll"), nullptr);
}
