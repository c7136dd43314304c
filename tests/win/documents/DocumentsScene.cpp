// DocumentsScene: the main window under test, and reading back what it shows.
#include "tests/win/documents/DocumentsScene.h"
#include "common/win/WideText.h"

#include "app/win/system/EditorLibrary.h"
#include "app/texts/ProgramTexts.h"
#include "common/win/ARegistry.h"
#include "tests/win/support/ControlHost.h"

void ClearProgramKey() { RegDeleteTreeA(HKEY_CURRENT_USER, ARegistry::ProgramKey().c_str()); }

void DocumentsScene::SetUp()
{
    ASSERT_TRUE(EnsureEditorLibrary());
    ClearProgramKey();
    OpenWindow();
}

void DocumentsScene::TearDown()
{
    form_.reset();
    ClearProgramKey();
}

void DocumentsScene::OpenWindow()
{
    form_.reset();
    form_ = std::make_unique<TFormVornalix>(std::make_unique<NoBackup>());
    form_->Show();
    ASSERT_TRUE(control());
}

std::string DocumentsScene::shown() const
{
    const int size = Editor.QX_GetDataSize(control());
    std::string bytes(static_cast<size_t>(size), '\0');
    Editor.QX_GetData(control(), bytes.data(), 0, size);
    return bytes;
}

void DocumentsScene::type(char byte) const { Editor.QX_InsertData(control(), 0, &byte, 1); }

std::vector<std::wstring> DocumentsScene::items() const
{
    std::vector<std::wstring> texts;
    const TComboBox& combo = form_->EditorHistory.ComboHistory;
    for (int i = 0; i < combo.Count(); ++i)
        texts.push_back(combo.WideItem(i));
    return texts;
}

std::wstring DocumentsScene::selectedItem() const
{
    const TComboBox& combo = form_->EditorHistory.ComboHistory;
    return combo.WideItem(combo.ItemIndex());
}

bool DocumentsScene::markedModified() const
{
    return form_->StatusBar.PanelText(1) == kTextModifiedMark && enabled(ActionId::FileSave);
}

std::wstring DocumentsScene::file(std::wstring_view name, const std::string& bytes) const
{
    const std::wstring path = folder_ / name;
    PutFile(path, bytes);
    return path;
}
