#include "core/WindowPlacement.h"

#include <algorithm>
#include <cstdint>

namespace rytmalo {
namespace {

// A saved place is any 32-bit number: edges are computed in 64 bits.
struct Edges {
    std::int64_t left, top, right, bottom;
    explicit Edges(const tk::TRect& r)
        : left(r.Left), top(r.Top), right(r.Right), bottom(r.Bottom) {}
};

bool Overlap(const Edges& a, const Edges& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Gap between two ranges; 0 when they overlap.
std::int64_t Gap(std::int64_t aFrom, std::int64_t aTo, std::int64_t bFrom, std::int64_t bTo) {
    if (aTo <= bFrom) return bFrom - aTo;
    if (bTo <= aFrom) return aFrom - bTo;
    return 0;
}

// Compared, never summed: a double keeps the order of squares of gaps up
// to 2^33 well enough, where 64-bit integers would overflow.
double SquaredDistance(const Edges& a, const Edges& b) {
    const auto dx = static_cast<double>(Gap(a.left, a.right, b.left, b.right));
    const auto dy = static_cast<double>(Gap(a.top, a.bottom, b.top, b.bottom));
    return dx * dx + dy * dy;
}

// The start that keeps [start, start + size) inside [from, to), moving it as
// little as possible; the beginning of the range when it does not fit.
int Clamp(std::int64_t start, std::int64_t size, std::int64_t from, std::int64_t to) {
    const std::int64_t latest = to - size;
    return static_cast<int>(std::max<std::int64_t>(from, std::min<std::int64_t>(start, latest)));
}

}  // namespace

std::optional<tk::TPoint> PlaceOnScreen(const tk::TRect& window,
                                        std::span<const MonitorArea> monitors) {
    if (monitors.empty()) return std::nullopt;
    const Edges w(window);
    for (const MonitorArea& m : monitors) {
        if (Overlap(w, Edges(m.monitor))) return std::nullopt;
    }
    const MonitorArea* nearest = &monitors.front();
    for (const MonitorArea& m : monitors) {
        if (SquaredDistance(w, Edges(m.monitor)) < SquaredDistance(w, Edges(nearest->monitor))) {
            nearest = &m;
        }
    }
    const tk::TRect& work = nearest->work;
    return tk::TPoint{Clamp(window.Left, w.right - w.left, work.Left, work.Right),
                      Clamp(window.Top, w.bottom - w.top, work.Top, work.Bottom)};
}

std::optional<int> TopAboveBottom(const tk::TRect& window, const tk::TRect& work) {
    if (window.Bottom <= work.Bottom) return std::nullopt;
    const std::int64_t height = std::int64_t{window.Bottom} - window.Top;
    const std::int64_t top = std::max<std::int64_t>(work.Top, work.Bottom - height);
    if (top >= window.Top) return std::nullopt;
    return static_cast<int>(top);
}

std::optional<int> LeftBeforeRight(const tk::TRect& window, const tk::TRect& work) {
    // The same arithmetic, the picture turned a quarter.
    return TopAboveBottom({window.Top, window.Left, window.Bottom, window.Right},
                          {work.Top, work.Left, work.Bottom, work.Right});
}

int FittedExtraHeight(int wanted, int least, int heightWithout, int workHeight, int dpi) {
    if (dpi <= 0) return wanted;
    // The most layout pixels that, scaled as MulDiv rounds them, take no
    // more screen pixels than there are.
    const std::int64_t pixels = std::int64_t{workHeight} - heightWithout;
    const std::int64_t room = pixels < 0 ? -1 : (96 * pixels + 47) / dpi;
    return static_cast<int>(std::clamp<std::int64_t>(room, least, std::max(least, wanted)));
}

tk::TPoint PlaceToSave(const tk::TRect& window, const std::optional<tk::TRect>& restored,
                       const MonitorArea& monitor) {
    if (!restored) return {window.Left, window.Top};
    return {restored->Left + monitor.work.Left - monitor.monitor.Left,
            restored->Top + monitor.work.Top - monitor.monitor.Top};
}

}  // namespace rytmalo
