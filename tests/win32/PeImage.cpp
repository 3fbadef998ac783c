#include "PeImage.h"

#include <algorithm>
#include <cctype>

namespace rytmalo::testing {
namespace {

constexpr std::uint16_t kAmd64 = 0x8664;
constexpr std::uint16_t kPe32Plus = 0x20B;
constexpr std::uint16_t kGuiSubsystem = 2;
constexpr std::uint16_t kHighEntropyVa = 0x0020;
constexpr std::uint16_t kDynamicBase = 0x0040;
constexpr std::uint16_t kNxCompat = 0x0100;

// DLLs the loader takes from the system folder whatever the search order:
// the known DLLs, and the common controls, which the manifest binds to the
// system's side-by-side copy.
const char* const kSystemDlls[] = {"kernel32.dll", "user32.dll",  "gdi32.dll", "advapi32.dll",
                                   "msvcrt.dll",   "shell32.dll", "ole32.dll", "comctl32.dll"};

class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> b) : b_(b) {}
    bool Has(std::size_t at, std::size_t n) const { return at <= b_.size() && n <= b_.size() - at; }
    std::uint16_t U16(std::size_t at) const {
        return static_cast<std::uint16_t>(b_[at] | b_[at + 1] << 8);
    }
    std::uint32_t U32(std::size_t at) const {
        return U16(at) | static_cast<std::uint32_t>(U16(at + 2)) << 16;
    }
    std::optional<std::string> String(std::size_t at) const {
        std::string s;
        for (std::size_t p = at; p < b_.size(); ++p) {
            if (b_[p] == 0) return s;
            s.push_back(static_cast<char>(b_[p]));
        }
        return std::nullopt;
    }

private:
    std::span<const std::uint8_t> b_;
};

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t virtualSize;
    std::uint32_t rawOffset;
    std::uint32_t rawSize;
};

std::optional<std::size_t> FileOffset(const std::vector<Section>& sections, std::uint32_t rva) {
    for (const Section& s : sections) {
        const std::uint32_t size = std::max(s.virtualSize, s.rawSize);
        if (rva >= s.virtualAddress && rva - s.virtualAddress < size &&
            rva - s.virtualAddress < s.rawSize) {
            return std::size_t{s.rawOffset} + (rva - s.virtualAddress);
        }
    }
    return std::nullopt;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

std::optional<PeImage> ReadPeImage(std::span<const std::uint8_t> data) {
    const Bytes b(data);
    if (!b.Has(0, 64) || b.U16(0) != 0x5A4D) return std::nullopt;
    const std::size_t pe = b.U32(0x3C);
    if (!b.Has(pe, 24) || b.U32(pe) != 0x00004550) return std::nullopt;
    PeImage image;
    image.machine = b.U16(pe + 4);
    const std::uint16_t sectionCount = b.U16(pe + 6);
    const std::uint16_t optionalSize = b.U16(pe + 20);
    const std::size_t optional = pe + 24;
    if (!b.Has(optional, 112) || b.U16(optional) != kPe32Plus || optionalSize < 112)
        return std::nullopt;
    image.subsystem = b.U16(optional + 68);
    image.dllCharacteristics = b.U16(optional + 70);
    const std::uint32_t directories = b.U32(optional + 108);
    const auto directory = [&](std::uint32_t index, std::uint32_t& rva, std::uint32_t& size) {
        rva = size = 0;
        const std::size_t at = optional + 112 + 8 * std::size_t{index};
        if (index < directories && at + 8 <= optional + optionalSize && b.Has(at, 8)) {
            rva = b.U32(at);
            size = b.U32(at + 4);
        }
    };

    std::vector<Section> sections;
    const std::size_t table = optional + optionalSize;
    for (std::size_t i = 0; i < sectionCount; ++i) {
        const std::size_t at = table + 40 * i;
        if (!b.Has(at, 40)) return std::nullopt;
        sections.push_back({b.U32(at + 12), b.U32(at + 8), b.U32(at + 20), b.U32(at + 16)});
    }

    std::uint32_t rva = 0;
    std::uint32_t size = 0;
    directory(5, rva, size);
    image.relocationsSize = rva ? size : 0;

    directory(1, rva, size);
    if (rva) {
        const auto start = FileOffset(sections, rva);
        if (!start) return std::nullopt;
        for (std::size_t at = *start;; at += 20) {
            if (!b.Has(at, 20)) return std::nullopt;
            const std::uint32_t nameRva = b.U32(at + 12);
            if (nameRva == 0) break;
            const auto name = FileOffset(sections, nameRva);
            const auto text = name ? b.String(*name) : std::nullopt;
            if (!text) return std::nullopt;
            image.imports.push_back(*text);
        }
    }
    return image;
}

std::vector<std::string> HardeningFaults(const PeImage& image) {
    std::vector<std::string> faults;
    if (image.machine != kAmd64) faults.push_back("not an x86-64 image");
    if (image.subsystem != kGuiSubsystem) faults.push_back("not a windowed program");
    if (!(image.dllCharacteristics & kDynamicBase))
        faults.push_back("no DYNAMIC_BASE (address randomisation)");
    if (!(image.dllCharacteristics & kHighEntropyVa))
        faults.push_back("no HIGH_ENTROPY_VA (64-bit randomisation)");
    if (!(image.dllCharacteristics & kNxCompat))
        faults.push_back("no NX_COMPAT (no code from data pages)");
    if (image.relocationsSize == 0) faults.push_back("no base relocations: the image cannot move");
    for (const std::string& dll : image.imports) {
        const std::string name = Lower(dll);
        if (std::find(std::begin(kSystemDlls), std::end(kSystemDlls), name) ==
            std::end(kSystemDlls)) {
            faults.push_back("imports " + dll + ", which is not one of the system's own DLLs");
        }
    }
    return faults;
}

}  // namespace rytmalo::testing
