// One window message as the toolkit's handlers see it.
#pragma once

#include "toolkit/Win.h"

namespace tk {

struct Message {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
};

}  // namespace tk
