// Functions of system libraries that the strip needs only now and then.
#pragma once

#include <windows.h>

namespace tavlin {

/// `name` from the system library `library`, loaded at the first call and kept loaded; null when
/// either is missing. A library that only a popup or an alarm's sound needs (the shell's, the
/// sound's) then costs an idle strip no memory; a caller keeps the result in a static.
template <class Function>
Function* LoadSystemFunction(const wchar_t* library, const char* name) {
  // Only from the system folder, never from the player's folder beside tavlin.exe. Windows 7
  // without its loader update does not know the search flag: there the full path does the same.
  HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length > 0 && length + 1 + lstrlenW(library) < MAX_PATH) {
      lstrcatW(path, L"\\");
      lstrcatW(path, library);
      module = LoadLibraryW(path);
    }
  }
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace tavlin
