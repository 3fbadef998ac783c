// A filter in the application's message loop.
#pragma once

#include "toolkit/Win.h"

namespace tk {

// Sees every message the loop fetches before it is dispatched; returns true
// to keep it from its window.
class MessageFilter {
public:
    virtual ~MessageFilter() = default;
    virtual bool PreTranslate(MSG& msg) = 0;
};

}  // namespace tk
