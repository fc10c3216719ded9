// The operating system's own words for a failure, as the player is shown them.
#pragma once

#include <windows.h>

#include <string>

namespace tavlin {

/// The system's message for the error `code` (GetLastError), in UTF-8, without the line end and
/// the closing full stop FormatMessage gives it; "Error <code>" when the system has none.
std::string SystemReason(DWORD code);

}  // namespace tavlin
