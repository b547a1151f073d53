#pragma once
// Big buffers of the file layer and the record copies, handed back for the
// next file when one is done. An office is thousands of small files: a
// fresh block taken and freed for each makes the allocator give the memory
// back to the system and fault it in again, zeroed, every time.
#include <cstddef>
#include <cstdint>
#include <memory>

namespace vx::platform {

class PooledBuffer {
 public:
  PooledBuffer() = default;
  // At least size bytes (size() tells how many), their contents left as
  // the last user left them.
  explicit PooledBuffer(std::size_t size);
  PooledBuffer(PooledBuffer&& other) noexcept;
  PooledBuffer& operator=(PooledBuffer&& other) noexcept;
  PooledBuffer(const PooledBuffer&) = delete;
  PooledBuffer& operator=(const PooledBuffer&) = delete;
  ~PooledBuffer();

  std::uint8_t* data() const { return bytes_.get(); }
  std::size_t size() const { return size_; }
  explicit operator bool() const { return bytes_ != nullptr; }

 private:
  void give_back();

  std::unique_ptr<std::uint8_t[]> bytes_;
  std::size_t size_ = 0;
};

}  // namespace vx::platform
