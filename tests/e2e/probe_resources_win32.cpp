#include "probe_resources_win32.h"

#include <winternl.h>

#include <cstdio>
#include <vector>

namespace tavlin::probe {

namespace {

// One entry of the GDI handle table, laid out as the 64-bit system lays it out.
struct GdiHandleEntry {
  UINT64 object;
  UINT32 owner;
  UINT16 unique;  // bit 7: a stock object
  UINT8 type;     // 0: a free entry
  UINT8 flags;
  UINT64 user_pointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr size_t kGdiTableEntries = 0x10000;
// Where the 64-bit PEB keeps GdiSharedHandleTable.
constexpr size_t kPebGdiTableOffset = 0xF8;

struct GdiCounts {
  long total = -1, stock = 0, dc = 0, region = 0, bitmap = 0, font = 0, brush_pen = 0, other = 0;
};

GdiCounts CountGdiObjects(HANDLE process) {
  GdiCounts counts;
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) !=
      0) {
    return counts;
  }
  void* table = nullptr;
  SIZE_T got = 0;
  if (!ReadProcessMemory(
          process,
          static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kPebGdiTableOffset, &table,
          sizeof table, &got) ||
      table == nullptr) {
    return counts;
  }
  std::vector<GdiHandleEntry> entries(kGdiTableEntries);
  if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof entries[0],
                         &got)) {
    return counts;
  }
  counts.total = 0;
  for (const GdiHandleEntry& entry : entries) {
    if (entry.type == 0) continue;
    if (entry.unique & 0x80) {
      ++counts.stock;
      continue;
    }
    ++counts.total;
    switch (entry.type) {
      case 0x01:
        ++counts.dc;
        break;
      case 0x04:
        ++counts.region;
        break;
      case 0x05:
        ++counts.bitmap;
        break;
      case 0x0a:
        ++counts.font;
        break;
      case 0x10:
        ++counts.brush_pen;
        break;
      default:
        ++counts.other;
        break;
    }
  }
  return counts;
}

struct WindowCount {
  DWORD pid;
  long windows = 0;
};

BOOL CALLBACK CountChild(HWND window, LPARAM param) {
  auto* count = reinterpret_cast<WindowCount*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == count->pid) ++count->windows;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
  auto* count = reinterpret_cast<WindowCount*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != count->pid) return TRUE;
  ++count->windows;
  EnumChildWindows(window, CountChild, param);  // every descendant, not only direct children
  return TRUE;
}

long HandleCount(DWORD pid) {
  ULONG size = 1 << 20;
  std::vector<char> buffer;
  NTSTATUS status;
  do {
    buffer.resize(size);
    status = NtQuerySystemInformation(SystemProcessInformation, buffer.data(), size, &size);
    size *= 2;
  } while (status == static_cast<NTSTATUS>(0xC0000004L));  // STATUS_INFO_LENGTH_MISMATCH
  if (status != 0) return -1;
  for (size_t at = 0;;) {
    const auto* info = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + at);
    if (static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(info->UniqueProcessId)) == pid) {
      return static_cast<long>(info->HandleCount);
    }
    if (info->NextEntryOffset == 0) return -1;
    at += info->NextEntryOffset;
  }
}

}  // namespace

void PrintResources(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  GdiCounts gdi;
  long gui_gdi = -1, gui_user = -1;
  if (process != nullptr) {
    gdi = CountGdiObjects(process);
    gui_gdi = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
    gui_user = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
    CloseHandle(process);
  }
  WindowCount windows{pid};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
  std::printf(
      "resources pid=%lu gdi=%ld gdi_stock=%ld dc=%ld region=%ld bitmap=%ld font=%ld "
      "brush_pen=%ld gdi_other=%ld windows=%ld handles=%ld guiresources=%ld,%ld\n",
      pid, gdi.total, gdi.stock, gdi.dc, gdi.region, gdi.bitmap, gdi.font, gdi.brush_pen, gdi.other,
      windows.windows, HandleCount(pid), gui_gdi, gui_user);
}

}  // namespace tavlin::probe
