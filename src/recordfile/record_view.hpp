#pragma once
// Typed access to little-endian record buffers at byte offsets. Every record
// of the system is read and written through these views.
#include <cstdint>
#include <bit>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace vx {

// A text field of capacity N: a length byte, then N character bytes.
struct TextField {
  std::size_t offset;
  std::size_t capacity;
};

// Packed date: day byte, month byte, 16-bit year; as a 32-bit integer it
// orders chronologically. 0 is no date.
struct PackedDate {
  std::uint8_t day = 0;
  std::uint8_t month = 0;
  std::uint16_t year = 0;

  std::uint32_t packed() const {
    return static_cast<std::uint32_t>(day) | (static_cast<std::uint32_t>(month) << 8) |
           (static_cast<std::uint32_t>(year) << 16);
  }
  static PackedDate from(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
            static_cast<std::uint16_t>(v >> 16)};
  }
  bool valid() const { return day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= 1 && year <= 2999; }
  bool operator==(const PackedDate&) const = default;
};

template <typename Byte>
class BasicRecordView {
 public:
  BasicRecordView(std::span<Byte> bytes) : bytes_(bytes) {}
  std::size_t size() const { return bytes_.size(); }
  std::span<Byte> bytes() const { return bytes_; }
  std::span<Byte> sub(std::size_t offset, std::size_t length) const {
    return bytes_.subspan(offset, length);
  }

  std::uint8_t u8(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }
  std::uint16_t u16(std::size_t at) const { return get<std::uint16_t>(at); }
  std::int16_t i16(std::size_t at) const { return get<std::int16_t>(at); }
  std::uint32_t u32(std::size_t at) const { return get<std::uint32_t>(at); }
  std::int32_t i32(std::size_t at) const { return get<std::int32_t>(at); }
  std::int64_t i64(std::size_t at) const { return get<std::int64_t>(at); }
  double f64(std::size_t at) const { return get<double>(at); }
  PackedDate date(std::size_t at) const { return PackedDate::from(u32(at)); }

  // The stored text, its length byte clamped to the field's capacity.
  std::string text(std::size_t at, std::size_t capacity) const {
    std::size_t len = u8(at);
    if (len > capacity) len = capacity;
    return std::string(reinterpret_cast<const char*>(bytes_.data() + at + 1), len);
  }

  // Writers exist on mutable views only.
  void set_u8(std::size_t at, std::uint8_t v) const { bytes_[at] = v; }
  void set_u16(std::size_t at, std::uint16_t v) const { put(at, v); }
  void set_i16(std::size_t at, std::int16_t v) const { put(at, v); }
  void set_u32(std::size_t at, std::uint32_t v) const { put(at, v); }
  void set_i32(std::size_t at, std::int32_t v) const { put(at, v); }
  void set_i64(std::size_t at, std::int64_t v) const { put(at, v); }
  void set_f64(std::size_t at, double v) const { put(at, v); }
  void set_date(std::size_t at, PackedDate d) const { set_u32(at, d.packed()); }
  // Stores the text cut to the capacity; bytes after it are left as they are.
  void set_text(std::size_t at, std::size_t capacity, std::string_view v) const {
    const std::size_t len = v.size() < capacity ? v.size() : capacity;
    bytes_[at] = static_cast<Byte>(len);
    if (len) std::memcpy(bytes_.data() + at + 1, v.data(), len);
  }
  void fill(std::size_t at, std::size_t length, std::uint8_t v) const {
    std::memset(bytes_.data() + at, v, length);
  }
  void clear() const { std::memset(bytes_.data(), 0, bytes_.size()); }
  // Copies length bytes from the same offset of another record.
  template <typename B>
  void copy_from(BasicRecordView<B> other, std::size_t at, std::size_t length) const {
    std::memcpy(bytes_.data() + at, other.bytes().data() + at, length);
  }

 private:
  template <typename T>
  T get(std::size_t at) const {
    T v;
    std::memcpy(&v, bytes_.data() + at, sizeof v);
    return v;  // the build targets little-endian machines only
  }
  template <typename T>
  void put(std::size_t at, T v) const {
    std::memcpy(bytes_.data() + at, &v, sizeof v);
  }

  std::span<Byte> bytes_;
};

using RecordView = BasicRecordView<std::uint8_t>;
using ConstRecordView = BasicRecordView<const std::uint8_t>;

static_assert(std::endian::native == std::endian::little, "records are little-endian");

}  // namespace vx
