#include "ui/colours_win32.h"

#include <algorithm>

namespace tavlin {

namespace {

using RgbToHls = void(WINAPI*)(COLORREF, WORD*, WORD*, WORD*);
using HlsToRgb = COLORREF(WINAPI*)(WORD, WORD, WORD);

// The shell's conversions, taken from shlwapi.dll at first use (the program links no import
// library for it). Both pointers stay null when the system lacks them.
struct ShellColourFunctions {
  RgbToHls to_hls = nullptr;
  HlsToRgb to_rgb = nullptr;
  ShellColourFunctions() {
    if (HMODULE shell = LoadLibraryW(L"shlwapi.dll")) {
      to_hls = reinterpret_cast<RgbToHls>(
          reinterpret_cast<void*>(GetProcAddress(shell, "ColorRGBToHLS")));
      to_rgb = reinterpret_cast<HlsToRgb>(
          reinterpret_cast<void*>(GetProcAddress(shell, "ColorHLSToRGB")));
    }
  }
};

}  // namespace

COLORREF LightenColour(COLORREF colour, int steps) {
  static const ShellColourFunctions shell;
  if (shell.to_hls == nullptr || shell.to_rgb == nullptr) return colour;
  WORD hue = 0, lightness = 0, saturation = 0;
  shell.to_hls(colour, &hue, &lightness, &saturation);
  const int lighter = std::min(240, lightness + steps);
  return shell.to_rgb(hue, static_cast<WORD>(lighter), saturation);
}

}  // namespace tavlin
