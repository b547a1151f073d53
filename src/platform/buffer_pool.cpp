#include "platform/buffer_pool.hpp"

#include <utility>
#include <vector>

namespace vx::platform {

namespace {

// A copy holds a source, a target and a block of records at a time, a
// text copy a temporary file besides: this much kept covers them all.
constexpr std::size_t kKeptBytes = 2u << 20;

struct Spare {
  std::size_t size;
  std::unique_ptr<std::uint8_t[]> bytes;
};

struct Spares {
  std::vector<Spare> buffers;
  std::size_t bytes = 0;
};

// Never destroyed: a buffer may be given back by an object that outlives
// the end of main().
Spares& spares() {
  static auto* kept = new Spares;
  return *kept;
}

}  // namespace

PooledBuffer::PooledBuffer(std::size_t size) {
  auto& kept = spares();
  // The smallest that will do; of several alike, the one given back last,
  // whose memory is the likeliest still to be in the cache.
  auto best = kept.buffers.end();
  for (auto it = kept.buffers.end(); it != kept.buffers.begin();) {
    --it;
    if (it->size >= size && (best == kept.buffers.end() || it->size < best->size)) best = it;
  }
  if (best != kept.buffers.end()) {
    bytes_ = std::move(best->bytes);
    size_ = best->size;
    kept.bytes -= size_;
    kept.buffers.erase(best);
    return;
  }
  bytes_ = std::make_unique_for_overwrite<std::uint8_t[]>(size);
  size_ = size;
}

PooledBuffer::PooledBuffer(PooledBuffer&& other) noexcept
    : bytes_(std::move(other.bytes_)), size_(std::exchange(other.size_, 0)) {}

PooledBuffer& PooledBuffer::operator=(PooledBuffer&& other) noexcept {
  if (this != &other) {
    give_back();
    bytes_ = std::move(other.bytes_);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

PooledBuffer::~PooledBuffer() { give_back(); }

void PooledBuffer::give_back() {
  if (!bytes_) return;
  auto& kept = spares();
  if (kept.bytes + size_ <= kKeptBytes) {
    try {
      kept.buffers.push_back({size_, std::move(bytes_)});
      kept.bytes += size_;
    } catch (...) {
      // No room to keep it: it is simply freed.
    }
  }
  bytes_.reset();
  size_ = 0;
}

}  // namespace vx::platform
