#pragma once
// Record files carried record by record: the same-length copy whose
// converter judges each record in place, and the conversion from one record
// length to another whose converter builds each new record from an old one.
#include <cstdint>
#include <string_view>

#include "transfer/converters.hpp"
#include "transfer/copier.hpp"

namespace vx::transfer {

// Without a converter every record is written with its Polish letters
// converted. A short last record reaches the converter with its missing
// tail zeroed and is written short.
bool copy_records(Copier& copier, std::string_view source, std::string_view target,
                  std::uint16_t record_length, SameSizeConverter converter = {});

// Each old record (a short last one with its missing tail zeroed) goes to the
// converter with a zeroed new record; a kept new record is written whole.
// Without a converter nothing is written.
// When appending, an existing target is added to, unasked.
enum class Existing : std::uint8_t { kAsk, kAppend };
bool convert_records(Copier& copier, std::string_view source, std::string_view target,
                     std::uint16_t old_length, std::uint16_t new_length, TwoSizeConverter converter,
                     Existing existing = Existing::kAsk);

}  // namespace vx::transfer
