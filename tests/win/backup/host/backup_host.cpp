// A backup host: the editor's start, backup tick and end around one control, driven by messages.
#include "tests/win/backup/host/HostProtocol.h"

#include "app/win/backup/BackupManager.h"
#include "app/win/backup/BackupJournalFile.h"
#include "app/win/documents/Document.h"
#include "app/win/system/EditorLibrary.h"
#include "common/PathString.h"
#include "common/win/WideText.h"
#include "common/win/SafeSave.h"
#include "common/win/WholeFile.h"

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

HWND control = nullptr;
BackupManager* backup = nullptr;

std::vector<uint8_t> DocumentBytes()
{
    const int size = Editor.QX_GetDataSize(control);
    std::vector<uint8_t> bytes(size > 0 ? size : 0);
    if (size > 0)
        Editor.QX_GetData(control, bytes.data(), 0, size);
    return bytes;
}

void SetDocumentName(const std::wstring& name)
{
    SetWindowTextW(GetParent(control), name.c_str());
    backup->UpdateRecord(name);
}

// As the main window loads its first document: the file under the name (a recovery reads its
// backup), modified when the two differ; the backup goes on from its own journal or starts
// afresh on the file read.
void LoadFirstDocument(HWND window, const TStartArguments& start)
{
    JournalBase base;
    bool adopt = false;
    uint64_t validEnd = 0;
    bool loaded = false;
    if (!start.FileToLoad.empty()) {
        // The source closes its files before the backup is written over one of them.
        BackupDocumentSource recovered;
        loaded = start.RecoveryStart ? LoadDocument(window, control, start.FileToLoad, recovered)
                                     : LoadDocument(window, control, start.FileToLoad);
        // A backup read in part stays for the user; this host takes a new one.
        if (start.RecoveryStart && (!loaded || recovered.partial()) && SameName(start.FileToLoad, backup->BackupPath()))
            backup->LeaveBackup();
        if (!loaded || !ControlBase(control, base))
            base = {};
        adopt = loaded && recovered.isJournal() && SameName(start.FileToLoad, backup->BackupPath());
        if (adopt) {
            base = recovered.journalBase();
            validEnd = recovered.validEnd();
        }
    }
    if (!loaded)
        Editor.QX_New(control);
    Editor.QX_SetModified(control, !SameName(start.FileToLoad, start.DocumentName));
    if (adopt)
        backup->AdoptBackup(control, base, validEnd);
    else
        backup->ResetBackup(control, base);
    SetDocumentName(start.DocumentName);
}

// The main window's backup tick: the control's flag is cleared only once the backup is written.
bool TimerTick()
{
    if ((!Editor.QX_IsModified(control) && Editor.QX_GetChanges(control, nullptr, 0) <= 0 && !backup->BaseChanged()) ||
        !backup->WriteBackup(control))
        return false;
    Editor.QX_SetModified(control, false);
    return true;
}

void RandomEdits(unsigned seed)
{
    std::mt19937 random(seed);
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < edits; ++i) {
        const int size = Editor.QX_GetDataSize(control);
        Editor.QX_SetCaretPos(control, static_cast<int>(random() % (2 * size)));
        uint8_t bytes[16];
        for (uint8_t& byte : bytes)
            byte = static_cast<uint8_t>(random());
        const int count = 1 + static_cast<int>(random() % sizeof bytes);
        switch (random() % 5) {
        case 0: Editor.QX_InsertData(control, 2 * static_cast<int>(random() % size), bytes, count); break;
        case 1: Editor.QX_Delete(control); break;
        case 2: Editor.QX_Insert(control); break;
        case 3:
            Editor.QX_SetSelection(control, 2 * static_cast<int>(random() % size), 1 + random() % 4);
            Editor.QX_ReplaceSelection(control, bytes, count);
            break;
        default: Editor.QX_Undo(control); break;
        }
    }
}

// Never returns: the test kills the host while it writes.
[[noreturn]] void Stress(size_t mebibytes)
{
    std::vector<uint8_t> bytes(mebibytes << 20);
    for (uint8_t generation = 1;; ++generation) {
        std::fill(bytes.begin(), bytes.end(), generation);
        Editor.QX_SetData(control, bytes.data(), static_cast<int>(bytes.size()));
        backup->WriteBackup(control);
    }
}

LRESULT CopyData(const COPYDATASTRUCT& data)
{
    const auto* bytes = static_cast<const char*>(data.lpData);
    switch (data.dwData) {
    case kHostSetData:
        return Editor.QX_SetData(control, bytes, static_cast<int>(data.cbData))
               && Editor.QX_SetModified(control, true);
    case kHostDumpData: {
        const std::vector<uint8_t> document = DocumentBytes();
        return static_cast<bool>(WriteWholeFile(WideFromAnsi(std::string_view(bytes, data.cbData)), document.data(), document.size()));
    }
    case kHostSetName: SetDocumentName(WideFromAnsi(std::string_view(bytes, data.cbData))); return 1;
    default: return 0;
    }
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kHostIsModified: return Editor.QX_IsModified(control);
    case kHostTick: return TimerTick();
    case kHostEdit: RandomEdits(static_cast<unsigned>(wParam)); return Editor.QX_GetDataSize(control);
    case kHostStress: Stress(wParam);
    case kHostWriteBackup: return backup->WriteBackup(control);
    case kHostUndo: return Editor.QX_Undo(control);
    case kHostFill: {
        std::vector<uint8_t> bytes(wParam << 10);
        std::mt19937 random(static_cast<unsigned>(lParam));
        for (uint8_t& byte : bytes)
            byte = static_cast<uint8_t>(random());
        return Editor.QX_SetData(control, bytes.data(), static_cast<int>(bytes.size())) &&
               Editor.QX_SetModified(control, true);
    }
    case WM_COPYDATA: return CopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_TIMER: TimerTick(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (!BindEditorLibrary())
        return 3;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kHostClass;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, kHostClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                  nullptr, instance, nullptr);
    control = Editor.QX_Create(window, window, WS_TABSTOP);
    if (!window || !control)
        return 4;
    try {
        BackupManager manager;
        backup = &manager;
        LoadFirstDocument(window, manager.Start(window));
        if (const char* period = std::getenv(kHostTimerVariable))
            SetTimer(window, 1, static_cast<UINT>(std::atoi(period)), nullptr);
        ShowWindow(window, SW_SHOWNOACTIVATE);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        backup = nullptr;
    } catch (const std::exception&) {
        return 5;
    }
    return 0;
}
