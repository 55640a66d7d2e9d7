#pragma once

#include <cstdint>

namespace tw {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

namespace colour {
inline constexpr Rgb Clean{0, 192, 0};
inline constexpr Rgb Preserve{128, 0, 0};
inline constexpr Rgb SwitchBack{128, 128, 128};
inline constexpr Rgb PanelBack{128, 128, 128};
inline constexpr Rgb CacheDirBack{192, 192, 192};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Black{0, 0, 0};
}  // namespace colour

}  // namespace tw
