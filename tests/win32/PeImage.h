// Reads what matters for hardening from an executable's bytes: its PE
// headers (machine, subsystem, DLL characteristics, base relocations) and
// the DLLs it imports. Plain byte reading, no Windows call.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rytmalo::testing {

struct PeImage {
    std::uint16_t machine = 0;
    std::uint16_t subsystem = 0;
    std::uint16_t dllCharacteristics = 0;
    std::uint32_t relocationsSize = 0;
    std::vector<std::string> imports;
};

std::optional<PeImage> ReadPeImage(std::span<const std::uint8_t> bytes);

// What keeps the image from being a hardened 64-bit Windows program, one
// line each; empty when nothing does.
std::vector<std::string> HardeningFaults(const PeImage& image);

}  // namespace rytmalo::testing
