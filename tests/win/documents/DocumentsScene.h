// A main window made in the test process, its own registry key cleared, with a folder of test files.
#pragma once
#include "app/win/main/TFormVornalix.h"
#include "tests/win/documents/DialogDriver.h"
#include "tests/win/files/TestFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The registry key of this test program (Software\KORVANI\ and the program's file name).
void ClearProgramKey();

class DocumentsScene : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new main window, shown, with the preferences the registry holds now.
    void OpenWindow();
    [[nodiscard]] TFormVornalix& form() const { return *form_; }
    [[nodiscard]] HWND control() const { return form_->ControlHandle(); }

    // The bytes the control shows.
    [[nodiscard]] std::string shown() const;
    // The user changes the document: one byte typed in front.
    void type(char byte) const;
    // The editing list's items as the combo box shows them, and its selected item.
    [[nodiscard]] std::vector<std::wstring> items() const;
    [[nodiscard]] std::wstring selectedItem() const;
    [[nodiscard]] bool enabled(ActionId action) const { return form_->Action(action).Enabled(); }
    void run(ActionId action) const { form_->Action(action).Execute(); }
    // The status bar's modified mark is shown.
    [[nodiscard]] bool markedModified() const;
    // A file in the test folder with these bytes.
    [[nodiscard]] std::wstring file(std::wstring_view name, const std::string& bytes) const;
    [[nodiscard]] std::wstring file(std::string_view name, const std::string& bytes) const
    {
        return file(std::wstring_view(std::wstring(name.begin(), name.end())), bytes);
    }

    TestFolder folder_;
    DialogDriver dialogs_;
    std::unique_ptr<TFormVornalix> form_;
};
