// A byte buffer that either owns its memory or borrows the caller's.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Quorl {

class ByteBuffer {
public:
    ByteBuffer() = default;
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;
    virtual ~ByteBuffer();
    virtual bool operator<(const ByteBuffer& other) const;
    // copy: owned copy of exactly count bytes; else the buffer borrows bytes without copying.
    virtual bool assign(const uint8_t* bytes, size_t count, bool copy);
    virtual bool resize(size_t n);
    virtual bool clear();
    virtual void dropFront(size_t n);

    bool borrowed() const { return flags_ & 1; }
    const uint8_t* data() const { return data_; }
    uint8_t* data() { return data_; }
    size_t size() const { return size_; }
    size_t capacity() const { return capacity_; }

private:
    bool reserve(size_t n);
    unsigned flags_ = 0;
    uint8_t* data_ = nullptr;
    size_t capacity_ = 0;
    size_t size_ = 0;
};

} // namespace Quorl
