// What the probe reports about the resources of tavlin's process: the figures a soak run watches
// for growth.
#pragma once

#include <windows.h>

namespace tavlin::probe {

/// Prints one line about the process `pid`:
///   resources pid=N gdi=N gdi_stock=N dc=N region=N bitmap=N font=N brush_pen=N gdi_other=N
///             windows=N handles=N guiresources=G,U
/// gdi counts the live entries of the process's GDI handle table (the table its PEB points to),
/// stock objects apart; windows counts its windows, top-level and children, shown or hidden;
/// handles is the kernel handle count the system's process list gives; guiresources is what
/// GetGuiResources returns for GDI and USER objects. A figure that cannot be read is -1.
void PrintResources(DWORD pid);

}  // namespace tavlin::probe
