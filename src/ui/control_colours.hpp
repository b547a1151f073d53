#pragma once
// The toolkit's own colours for controls, beside the scheme's slots.
#include <cstdint>

namespace vx::ui {

inline constexpr std::uint8_t kLabelFocusedColour = 0x0E;
inline constexpr std::uint8_t kFieldColour = 0x1F;
inline constexpr std::uint8_t kCurrentItemColour = 0x70;  // the item under the keyboard
inline constexpr std::uint8_t kButtonColour = 0x20;
inline constexpr std::uint8_t kButtonFocusedColour = 0x2F;
inline constexpr std::uint8_t kListFrameFocusedColour = 0x0F;
inline constexpr std::uint8_t kHotLetterColour = 0x0E;
inline constexpr std::uint8_t kHotLetterCurrentColour = 0x74;

// A shadow is drawn in black on the window's background, dark grey on black.
constexpr std::uint8_t shadow_colour(std::uint8_t inside) {
  const auto background = static_cast<std::uint8_t>(inside & 0xF0);
  return background == 0 ? std::uint8_t{0x08} : background;
}

}  // namespace vx::ui
