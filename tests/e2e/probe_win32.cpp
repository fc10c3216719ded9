// Prints tavlin's windows for the end-to-end tests (placeholder until the strip exists).
#include <windows.h>

#include <cstdio>

int wmain() {
  std::printf("probe\n");
  return 0;
}
