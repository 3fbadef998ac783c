// Owning wrappers for GDI and USER handles and guards for device-context
// selections. All move-only: a handle has exactly one owner.
#pragma once

#include <utility>

#include "toolkit/Win.h"

namespace tk {

template <class Handle, class Deleter>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Handle{})) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, Handle{}));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Handle{}; }
    Handle release() { return std::exchange(h_, Handle{}); }
    void reset(Handle h = Handle{}) {
        if (h_ != Handle{}) Deleter{}(h_);
        h_ = h;
    }

private:
    Handle h_{};
};

struct GdiObjectDeleter {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DcDeleter {
    void operator()(HDC h) const { DeleteDC(h); }
};
struct IconDeleter {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct KernelHandleDeleter {
    void operator()(HANDLE h) const { CloseHandle(h); }
};

using FontHandle = UniqueHandle<HFONT, GdiObjectDeleter>;
using BrushHandle = UniqueHandle<HBRUSH, GdiObjectDeleter>;
using PenHandle = UniqueHandle<HPEN, GdiObjectDeleter>;
using BitmapHandle = UniqueHandle<HBITMAP, GdiObjectDeleter>;
using RegionHandle = UniqueHandle<HRGN, GdiObjectDeleter>;
using MemoryDcHandle = UniqueHandle<HDC, DcDeleter>;
using IconHandle = UniqueHandle<HICON, IconDeleter>;
using KernelHandle = UniqueHandle<HANDLE, KernelHandleDeleter>;

// The one brush a window paints its background with: kept, and made again
// only when the colour changes (a system colour may change under it).
class SolidBrush {
public:
    HBRUSH For(COLORREF color) {
        if (!brush_ || color_ != color) {
            brush_.reset(CreateSolidBrush(color));
            color_ = color;
        }
        return brush_.get();
    }

private:
    BrushHandle brush_;
    COLORREF color_ = 0;
};

// A memory context holding an image to compose in and copy from. The
// context is kept; the image is made again only for another size.
class MemoryImage {
public:
    MemoryImage() = default;
    ~MemoryImage() { Reset(); }
    MemoryImage(const MemoryImage&) = delete;
    MemoryImage& operator=(const MemoryImage&) = delete;

    // The context holding an image of that size compatible with dc (a
    // memory context's own images are monochrome); null when the system
    // could make neither.
    HDC Hold(HDC dc, int width, int height) {
        if (!dc_) dc_.reset(CreateCompatibleDC(dc));
        if (dc_ && (!image_ || width != width_ || height != height_)) {
            ReleaseImage();
            image_.reset(CreateCompatibleBitmap(dc, width, height));
            if (!image_) return nullptr;
            original_ = SelectObject(dc_.get(), image_.get());
            width_ = width;
            height_ = height;
        }
        return image_ ? dc_.get() : nullptr;
    }
    HDC get() const { return image_ ? dc_.get() : nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool Holds(int width, int height) const {
        return image_ && width == width_ && height == height_;
    }
    // The context and the image go.
    void Reset() {
        ReleaseImage();
        dc_.reset();
    }

private:
    // An image still selected into a context cannot be deleted.
    void ReleaseImage() {
        if (dc_ && original_) SelectObject(dc_.get(), original_);
        original_ = nullptr;
        image_.reset();
        width_ = height_ = 0;
    }

    MemoryDcHandle dc_;
    HGDIOBJ original_ = nullptr;
    BitmapHandle image_;
    int width_ = 0;
    int height_ = 0;
};

// Selects an object into a DC and selects the previous one back on exit.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// GetDC / GetWindowDC with ReleaseDC on exit.
class WindowDc {
public:
    enum Kind { Client, Whole };
    explicit WindowDc(HWND hwnd, Kind kind = Client)
        : hwnd_(hwnd), dc_(kind == Client ? GetDC(hwnd) : GetWindowDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    ~PaintDc() { EndPaint(hwnd_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }
    const RECT& area() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Saves and restores a DC's text colour, background colour and mode.
class TextStateGuard {
public:
    explicit TextStateGuard(HDC dc)
        : dc_(dc), text_(GetTextColor(dc)), back_(GetBkColor(dc)), mode_(GetBkMode(dc)) {}
    ~TextStateGuard() {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, back_);
        SetBkMode(dc_, mode_);
    }
    TextStateGuard(const TextStateGuard&) = delete;
    TextStateGuard& operator=(const TextStateGuard&) = delete;

private:
    HDC dc_;
    COLORREF text_;
    COLORREF back_;
    int mode_;
};

}  // namespace tk
