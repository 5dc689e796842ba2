#pragma once

// Little-endian 64-bit limbs with room for four in place, so word sizes up to
// 256 bits never touch the heap.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace quarnel::engine::detail {

using Limb = std::uint64_t;
__extension__ typedef unsigned __int128 DoubleLimb;

class Limbs {
  public:
    Limbs() = default;
    explicit Limbs(std::size_t count) { resize(count); }
    Limbs(const Limbs& other) { assign(other); }
    Limbs(Limbs&& other) noexcept { take(other); }
    Limbs& operator=(const Limbs& other) {
        if (this != &other) {
            assign(other);
        }
        return *this;
    }
    Limbs& operator=(Limbs&& other) noexcept {
        if (this != &other) {
            take(other);
        }
        return *this;
    }
    ~Limbs() = default;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    Limb* data() { return data_; }
    const Limb* data() const { return data_; }
    Limb& operator[](std::size_t i) { return data_[i]; }
    Limb operator[](std::size_t i) const { return data_[i]; }
    Limb back() const { return data_[size_ - 1]; }

    // New limbs are zero.
    void resize(std::size_t count) {
        reserve(count);
        if (count > size_) {
            std::memset(data_ + size_, 0, (count - size_) * sizeof(Limb));
        }
        size_ = count;
    }

    void reserve(std::size_t count) {
        if (count <= capacity_) {
            return;
        }
        std::unique_ptr<Limb[]> fresh(new Limb[count]);
        if (size_ > 0) {
            std::memcpy(fresh.get(), data_, size_ * sizeof(Limb));
        }
        heap_ = std::move(fresh);
        data_ = heap_.get();
        capacity_ = count;
    }

    void pushBack(Limb value) {
        if (size_ == capacity_) {
            reserve(capacity_ * 2);
        }
        data_[size_++] = value;
    }

    // Drops high zero limbs, so that a number's size is its significant length.
    void trim() {
        while (size_ > 0 && data_[size_ - 1] == 0) {
            --size_;
        }
    }

  private:
    void assign(const Limbs& other) {
        size_ = 0;
        reserve(other.size_);
        if (other.size_ > 0) {
            std::memcpy(data_, other.data_, other.size_ * sizeof(Limb));
        }
        size_ = other.size_;
    }

    void take(Limbs& other) noexcept {
        if (other.heap_) {
            heap_ = std::move(other.heap_);
            data_ = heap_.get();
            capacity_ = other.capacity_;
            size_ = other.size_;
            other.data_ = other.inline_;
            other.capacity_ = kInline;
        } else {
            heap_.reset();
            data_ = inline_;
            capacity_ = kInline;
            if (other.size_ > 0) {
                std::memcpy(inline_, other.inline_, other.size_ * sizeof(Limb));
            }
            size_ = other.size_;
        }
        other.size_ = 0;
    }

    static constexpr std::size_t kInline = 4;
    Limb inline_[kInline];
    std::unique_ptr<Limb[]> heap_;
    Limb* data_ = inline_;
    std::size_t size_ = 0;
    std::size_t capacity_ = kInline;
};

} // namespace quarnel::engine::detail
