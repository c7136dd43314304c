// The help file in the HTML Help viewer: hhctrl.ocx loaded at run time, its entry imported by ordinal 14.
#include "app/win/system/HelpViewer.h"

#include "app/system/HelpFileName.h"
#include "app/win/ui/WindowPlacement.h"

#include "common/win/ASuppressWinMsg.h"

namespace {

constexpr UINT kDisplayToc = 0x0001;    // HH_DISPLAY_TOC
constexpr UINT kDisplayIndex = 0x0002;  // HH_DISPLAY_INDEX
constexpr WORD kHtmlHelpOrdinal = 14;   // HtmlHelpA

using HtmlHelpProc = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

HtmlHelpProc HtmlHelpEntry()
{
    static const HtmlHelpProc entry = [] {
        const HMODULE viewer = LoadLibraryA("hhctrl.ocx");
        if (!viewer)
            return HtmlHelpProc{};
        return reinterpret_cast<HtmlHelpProc>(
            reinterpret_cast<void (*)()>(GetProcAddress(viewer, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
    }();
    return entry;
}

} // namespace

std::string HelpFilePath()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return HelpFileName(std::string_view(path, length < MAX_PATH ? length : 0));
}

bool ShowHelp(HWND mainWindow, HelpView view)
{
    const HtmlHelpProc htmlHelp = HtmlHelpEntry();
    if (!htmlHelp)
        return false;
    const std::string file = HelpFilePath();
    // The viewer may report success for a file it cannot find; ask the file system first.
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    {
        const ASuppressWinMsg quiet;
        attributes = GetFileAttributesA(file.c_str());
    }
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    static const char emptyKeyword[] = "";
    const HWND shown = view == HelpView::Contents
                           ? htmlHelp(mainWindow, file.c_str(), kDisplayToc, 0)
                           : htmlHelp(mainWindow, file.c_str(), kDisplayIndex, reinterpret_cast<DWORD_PTR>(emptyKeyword));
    if (!shown)
        return false;
    PlaceWindow(shown, mainWindow, 11, true);
    return true;
}
