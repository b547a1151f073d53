#pragma once
// Records whose 2018 form is built on a cleared buffer: the text fields
// converted into their own offsets, then the bytes carried unchanged.
#include <cstddef>
#include <cstdint>

#include "recordfile/field_tables.hpp"

namespace vx::conversion::layout {

// baza_ad8.rek (addresses) and baza_us8.rek (tax offices): one 480-byte
// record of two kinds, told apart by byte 4.
inline constexpr std::size_t kAddressSize = 480;
inline constexpr std::size_t kAddressKind = 4;
inline constexpr std::uint8_t kAddressKindAddress = 0;
inline constexpr std::uint8_t kAddressKindTaxOffice = 1;

inline constexpr auto kAddressTexts =
    fields({{5, 36}, {42, 36}, {79, 36}, {181, 20}, {202, 30}, {233, 20}, {254, 20}, {275, 36},
            {388, 36}, {425, 36}});
inline constexpr auto kAddressCopied =
    ranges({{0, 4}, text_bytes(116, 18), text_bytes(135, 14), text_bytes(150, 11),
            text_bytes(162, 6), {312, 39}, {462, 1}});

inline constexpr auto kTaxOfficeTexts = fields({{5, 48}, {61, 26}, {88, 44}, {133, 52}, {186, 20}});
inline constexpr auto kTaxOfficeCopied =
    join(ranges({{0, 4}, text_bytes(54, 6), text_bytes(402, 4)}),
         repeat<5>(207, 39, ranges({{0, 39}})));

// baza_sp8.rek and baza_za8.rek: sales and purchase automats.
inline constexpr std::size_t kAutomatSize = 160;
inline constexpr auto kAutomatTexts = fields({{19, 36}, {56, 36}, {93, 36}, {130, 20}});

// BAZA_PP8.REK: money transfer orders. The 110-byte block at 299 holds
// texts that depend on the order kind in byte 0.
inline constexpr std::size_t kTransferOrderSize = 432;
inline constexpr std::size_t kTransferOrderKind = 0;
inline constexpr auto kTransferOrderTexts = fields({{1, 54}, {56, 54}, {150, 54}, {205, 54}});
inline constexpr ByteRange kTransferOrderBlock{299, 110};
inline constexpr auto kTransferOrderCopied =
    ranges({{0, 1}, {111, 39}, {260, 39}, kTransferOrderBlock, {409, 8}, {417, 4}, {421, 2}});
inline constexpr auto kTransferOrderKind0Texts = fields({{299, 54}, {354, 54}});
inline constexpr auto kTransferOrderKind1Texts = fields({{362, 20}});

// BAZA_DW8.REK: internal vouchers with ten entries of 61 bytes, each a text
// followed by three amounts.
inline constexpr std::size_t kInternalVoucherSize = 784;
inline constexpr std::size_t kVoucherEntries = 13 + 61;
inline constexpr std::size_t kVoucherEntrySize = 61;
inline constexpr auto kInternalVoucherTexts =
    join(fields({{5, 22}, {28, 36}, {684, 31}, {716, 22}}),
         repeat<10>(kVoucherEntries, kVoucherEntrySize, fields({{0, 36}})));
inline constexpr auto kInternalVoucherCopied =
    join(ranges({{0, 1}, {65, 1}}),
         repeat<10>(kVoucherEntries, kVoucherEntrySize, ranges({{37, 8}, {45, 8}, {53, 8}})));

// 2018_NK8.REK: correction notes, carried whole with these texts converted;
// the two party blocks hold codes (at +0 and +93) that are not converted.
inline constexpr std::size_t kCorrectionNoteSize = 848;
inline constexpr auto kCorrectionNoteTexts =
    join(fields({{4, 16}, {25, 20}, {46, 22}}),
         repeat<2>(73, 152, fields({{19, 36}, {56, 36}, {100, 20}, {121, 30}})),
         series<6>(338 + 39, 39, 38), series<6>(572 + 39, 39, 38));
inline constexpr auto kCorrectionNoteKept =
    join(ranges({{0, 4}, {21, 4}, {69, 4}}),
         repeat<2>(73, 152, ranges({text_bytes(0, 18), text_bytes(93, 6)})));

static_assert(fits_without_overlap(kAddressSize, kAddressTexts, kAddressCopied,
                                   ranges({{kAddressKind, 1}})));
static_assert(fits_without_overlap(kAddressSize, kTaxOfficeTexts, kTaxOfficeCopied,
                                   ranges({{kAddressKind, 1}})));
static_assert(fits_without_overlap(kAutomatSize, kAutomatTexts));
static_assert(fits_without_overlap(kTransferOrderSize, kTransferOrderTexts, kTransferOrderCopied));
static_assert(fits_without_overlap(kTransferOrderBlock.offset + kTransferOrderBlock.length,
                                   kTransferOrderKind0Texts));
static_assert(fits_without_overlap(kTransferOrderBlock.offset + kTransferOrderBlock.length,
                                   kTransferOrderKind1Texts));
static_assert(fits_without_overlap(kInternalVoucherSize, kInternalVoucherTexts, kInternalVoucherCopied));
static_assert(fits_without_overlap(kCorrectionNoteSize, kCorrectionNoteTexts, kCorrectionNoteKept));

}  // namespace vx::conversion::layout
