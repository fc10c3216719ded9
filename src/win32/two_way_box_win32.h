// A question with two answers of the program's own words, as a system message box.
#pragma once

#include <windows.h>

#include <string>

namespace tavlin {

/// Asks `text` in a message box owned by `owner`, titled `title`, whose two buttons say `first`
/// and `second` (the system's "Yes" and "No" renamed), and returns when the player has chosen:
/// true for `first`.
bool AskTwoWays(HWND owner, const std::wstring& text, const wchar_t* title,
                const std::wstring& first, const std::wstring& second);

}  // namespace tavlin
