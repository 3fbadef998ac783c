// What the composition of a gradient caption keeps from one paint to the
// next: the memory context and image the caption is composed in, and each
// state's gradient, drawn once at the caption's size and copied at every
// paint. Each is made again when what it was made for changes (the size,
// the colours, the kind of display); all go with the cache.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/CaptionGeometry.h"
#include "core/GradientTable.h"
#include "toolkit/Gdi.h"

namespace rytmalo {

class CaptionCache {
public:
    CaptionCache() = default;
    ~CaptionCache() { Clear(); }
    CaptionCache(const CaptionCache&) = delete;
    CaptionCache& operator=(const CaptionCache&) = delete;

    // The context to compose in, holding an image of that size compatible
    // with dc.
    HDC Composition(HDC dc, int width, int height);
    // Copies the state's gradient over the whole composition image. The
    // tables' generation tells when they were last computed.
    void CopyGradient(GradientState state, const GradientColorTable& table, int count,
                      unsigned generation);
    // Everything made again at the next paint.
    void Clear();

    // What a composed caption shows: when a paint would compose the same
    // again, the image is copied as it is.
    struct Composed {
        bool active = false;
        bool gradient = false;
        unsigned generation = 0;
        HFONT font = nullptr;
        HICON icon = nullptr;
        std::wstring text;
        std::vector<CaptionButton> buttons;
        bool operator==(const Composed&) const = default;
    };
    bool Shows(const Composed& what) const { return composed_ && *composed_ == what; }
    // What the image now shows; nothing known while it is being composed, or
    // when a caption-paint handler drew in it.
    void Remember(std::optional<Composed> what) { composed_ = std::move(what); }

private:
    struct Gradient {
        tk::BitmapHandle bitmap;
        unsigned generation = 0;
        int count = 0;
    };

    tk::MemoryImage composition_;
    bool paletted_ = false;
    // Where a gradient is drawn and copied from.
    tk::MemoryDcHandle source_;
    std::array<Gradient, 2> gradients_;
    std::optional<Composed> composed_;
};

}  // namespace rytmalo
