// The message boxes of both deliverables: standard captions with the program's description.
#include "common/win/MessageBox.h"

#include "common/win/AAppVersion.h"
#include "common/win/WideText.h"

#include <string>

namespace {

constexpr const char kCaptionError[] = "エラー";
constexpr const char kCaptionInformation[] = "情報";
constexpr const char kCaptionQuestion[] = "問い合わせ";
constexpr const char kCaptionWarning[] = "警告";
constexpr const char kOutOfMemory[] =
    "メモリーが足りません。\nほかのアプリケーションを終了してから、\nもう一度試してみてください。";

const char* CaptionBase(UINT flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONERROR: return kCaptionError;
    case MB_ICONQUESTION: return kCaptionQuestion;
    case MB_ICONWARNING: return kCaptionWarning;
    default: return kCaptionInformation;
    }
}

// " [<FileDescription of the running program>]", read once per process; empty when the
// program's version resource cannot be read (and then never tried again).
const std::string& CaptionSuffix()
{
    static const std::string suffix = [] {
        try {
            char path[MAX_PATH + 1] = {};
            const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
            if (length == 0 || length >= MAX_PATH)
                return std::string();
            return " [" + AAppVersion(path).description + "]";
        } catch (...) {
            return std::string();
        }
    }();
    return suffix;
}

} // namespace

UINT MessageKindFlags(int kind) noexcept
{
    switch (kind) {
    case kMessageOkCancel: return MB_OKCANCEL | MB_ICONQUESTION;
    case kMessageYesNo: return MB_YESNO | MB_ICONQUESTION;
    case kMessageYesNoCancel: return MB_YESNOCANCEL | MB_ICONQUESTION;
    case kMessageInformation: return MB_ICONINFORMATION;
    case kMessageWarning: return MB_ICONWARNING;
    case kMessageError: return MB_ICONERROR;
    default: return 0;
    }
}

int ShowMessageBox(HWND owner, const char* text, int kind)
{
    if (kind < kMessageOkCancel || kind > kMessageError)
        return 0;
    const UINT flags = MessageKindFlags(kind);
    const std::string caption = CaptionBase(flags) + CaptionSuffix();
    return MessageBoxA(owner, text, caption.c_str(), flags);
}

int ShowMessageBox(HWND owner, std::wstring_view text, int kind)
{
    if (kind < kMessageOkCancel || kind > kMessageError)
        return 0;
    const UINT flags = MessageKindFlags(kind);
    const std::wstring caption = WideFromProgramText(CaptionBase(flags) + CaptionSuffix());
    const std::wstring shown(text);
    return MessageBoxW(owner, shown.c_str(), caption.c_str(), flags);
}

int ShowOutOfMemory(HWND owner) noexcept
{
    return MessageBoxA(owner, kOutOfMemory, kCaptionError, MB_ICONERROR);
}
