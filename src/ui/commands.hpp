#pragma once
// Command codes that end forms and message boxes.
#include <cstdint>

namespace vx::ui {

inline constexpr std::uint16_t CMD_YES = 0xDD01;
inline constexpr std::uint16_t CMD_NO = 0xDD02;
inline constexpr std::uint16_t CMD_OK = 0xDD03;
inline constexpr std::uint16_t CMD_CANCEL = 0xDD04;
inline constexpr std::uint16_t CMD_FOCUS_ITEM = 0xDD06;

// Message box flags: kind in bits 0-1, buttons in bits 8-11.
inline constexpr std::uint16_t kBoxWarning = 0x0000;      // " UWAGA "
inline constexpr std::uint16_t kBoxError = 0x0001;        // " Błąd "
inline constexpr std::uint16_t kBoxInformation = 0x0002;  // " Informacja "
inline constexpr std::uint16_t kBoxConfirm = 0x0003;      // " Potwierdź "
inline constexpr std::uint16_t kButtonYes = 0x0100;
inline constexpr std::uint16_t kButtonNo = 0x0200;
inline constexpr std::uint16_t kButtonOk = 0x0400;
inline constexpr std::uint16_t kButtonCancel = 0x0800;
inline constexpr std::uint16_t kErrorReport = kBoxError | kButtonOk;  // 0x401

// In message texts: BEL ends a title, CR separates lines, a leading 3 centres.
inline constexpr char kTitleEnd = '\x07';
inline constexpr char kLineBreak = '\x0D';
inline constexpr char kCentre = '\x03';

}  // namespace vx::ui
