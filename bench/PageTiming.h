// Timing a showing as a user meets it: from keys typed on the keyboard (the
// system's input queue) to the last window drawn, and the figures' medians.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

namespace bench {

double NowMs();

// Keys typed as a keyboard types them, held in order, let go in reverse.
void Chord(std::initializer_list<WORD> keys);

// Messages handled by `pump` until none is left and no window of the
// thread waits to be drawn; Wine puts what was drawn on the screen when a
// look for messages finds none. (Asking each window whether it has
// something left to draw costs a call to the system per window: more than
// a page's switch.)
void UntilPainted(const std::function<void()>& pump);

// Milliseconds from the action to the windows drawn.
double PaintedMs(const std::function<void()>& action, const std::function<void()>& pump);

struct Samples {
    const char* figure;
    std::vector<double> ms;
    // A table row: the median with its quartiles.
    void Print();
};

}  // namespace bench
