// The clipboard's plain text (CF_TEXT): putting a text there and reading it back.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// Replaces the clipboard's contents with the text; false when the clipboard could not be
// opened or the text not placed (the clipboard then keeps what it had, or is empty).
bool PutClipboardText(HWND owner, std::string_view text);

// Whether the clipboard offers text, without reading it.
[[nodiscard]] bool ClipboardHasText() noexcept;

// The clipboard's text up to its first NUL; none when it holds no text or cannot be opened.
[[nodiscard]] std::optional<std::string> ClipboardText(HWND owner);
