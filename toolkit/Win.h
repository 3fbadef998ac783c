// The one place that pulls in the Windows headers (Unicode, no min/max macros;
// the build defines UNICODE, NOMINMAX and the target version).
#pragma once

#include <windows.h>
#include <commctrl.h>
