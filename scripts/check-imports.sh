#!/usr/bin/env bash
# Fails unless the Windows program $1 imports system DLLs only: players get one tavlin.exe and
# nothing to install beside it.
set -euo pipefail
imports="$(x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name/ {print $3}')"
[ -n "$imports" ] || { echo "$1: no imports found"; exit 1; }
echo "$(basename "$1") imports:" $imports
for dll in $imports; do
  case "${dll^^}" in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | SHELL32.DLL | COMCTL32.DLL | MSVCRT.DLL | WINMM.DLL | \
      MSIMG32.DLL | UXTHEME.DLL | ADVAPI32.DLL | OLE32.DLL | SHLWAPI.DLL | DWMAPI.DLL) ;;
    *) echo "$1 imports a non-system DLL: $dll"; exit 1 ;;
  esac
done
