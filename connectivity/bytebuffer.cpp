#include "connectivity/bytebuffer.h"

#include <cstdlib>
#include <cstring>

namespace Quorl {

ByteBuffer::~ByteBuffer() {
    if (!borrowed())
        free(data_);
}

bool ByteBuffer::operator<(const ByteBuffer& other) const {
    if (size_ != other.size_)
        return size_ < other.size_;
    return size_ && memcmp(data_, other.data_, size_) < 0;
}

bool ByteBuffer::assign(const uint8_t* bytes, size_t count, bool copy) {
    if (borrowed()) {
        data_ = nullptr;
        capacity_ = size_ = 0;
        flags_ &= ~1u;
    }
    if (!copy) {
        free(data_);
        data_ = const_cast<uint8_t*>(bytes);
        flags_ |= 1;
        capacity_ = size_ = count;
        return true;
    }
    if (!reserve(count))
        return false;
    if (count)
        memcpy(data_, bytes, count);
    size_ = count;
    return true;
}

bool ByteBuffer::reserve(size_t n) {
    void* p = realloc(data_, n ? n : 1);
    if (!p)
        return false;
    data_ = static_cast<uint8_t*>(p);
    capacity_ = n;
    if (size_ > n)
        size_ = n;
    return true;
}

bool ByteBuffer::resize(size_t n) {
    if (borrowed())
        return false;
    if (capacity_ < n) {
        size_t want = n;
        if (size_ != 0) {
            want = 1;
            while (want <= n && want != 0)
                want <<= 1;
            if (want == 0)
                want = n;
        }
        if (!reserve(want) && (want == n || !reserve(n)))
            return false;
    }
    size_ = n;
    return true;
}

bool ByteBuffer::clear() {
    if (borrowed())
        return false;
    size_ = 0;
    return true;
}

void ByteBuffer::dropFront(size_t n) {
    if (n > size_)
        n = size_;
    if (borrowed()) {
        data_ += n;
        capacity_ -= n;
    } else if (n) {
        memmove(data_, data_ + n, size_ - n);
    }
    size_ -= n;
}

} // namespace Quorl
