// What another process holds, read from outside: its working set and its
// GDI and USER objects. Windows answers the object counts with
// GetGuiResources; Wine returns 0 there, so GDI objects are counted in the
// process's GDI handle table instead, and USER objects only as its windows
// (Wine keeps no per-process count of menus, icons, cursors or hooks).
#pragma once

#include <cstddef>
#include <string>

#include <windows.h>

namespace bench {

struct ProcessResources {
    std::size_t workingSetBytes = 0;     // 0: not reported
    long gdiObjects = -1;                // -1: could not be read
    long userObjects = -1;               // -1: could not be read
    bool userObjectsAreWindows = false;  // counted as windows only (Wine)
    // The GDI objects by kind ("brushes 12, fonts 3"), where the handle
    // table was read; empty otherwise.
    std::string gdiKinds;
};

// The process handle needs query and read rights (a handle from
// CreateProcess has them).
ProcessResources ReadResources(HANDLE process, DWORD processId);

}  // namespace bench
