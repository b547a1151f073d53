#pragma once
// The colour scheme of the toolkit: eleven attribute bytes, loaded at start
// from "kolory.vx" in the program directory.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vx::ui {

using ColourScheme = std::array<std::uint8_t, 11>;

// Slots the program draws with; the others are carried unchanged.
enum ColourSlot : std::size_t {
  kSlotFormText = 0,
  kSlotWindowFrame = 4,
  kSlotWindowInside = 5,  // also the text lines of message boxes
  kSlotWindowTitle = 6,
  kSlotPromptText = 7,
  kSlotError = 8,  // error boxes and the empty list
};

inline constexpr ColourScheme kDefaultColours = {0x07, 0x0F, 0x1F, 0x70, 0x07, 0x02,
                                                 0x0F, 0x0F, 0x4F, 0x0F, 0x70};

inline constexpr std::string_view kColourFileName = "kolory.vx";

// The first record of the colour file, or nothing when the file is missing or
// shorter than one record.
std::optional<ColourScheme> read_colour_file(std::string_view path);
bool write_colour_file(std::string_view path, const ColourScheme& scheme);

}  // namespace vx::ui
