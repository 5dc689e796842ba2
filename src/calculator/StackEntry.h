#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace quarnel::calculator {

// One stack entry's text in 24 bytes. Short texts are packed in place: up to
// 22 characters of any kind as they are, and longer texts made only of
// binary digits (1 bit each, up to 176), octal digits (3 bits, up to 58) or
// 0-9A-F (4 bits, up to 44), which covers a full 128-bit value in every base.
// Anything else is held on the heap, shared by the copies. The text comes back
// exactly as it was given.
class StackEntry {
  public:
    StackEntry() noexcept { clearBytes(); }
    explicit StackEntry(std::string_view text);
    // Copies share a heap text; packed texts are copied as bytes.
    StackEntry(const StackEntry& other) noexcept { copyBytesOf(other); }
    StackEntry(StackEntry&& other) noexcept {
        std::memcpy(bytes_, other.bytes_, kBytes);
        other.clearBytes();
    }
    StackEntry& operator=(const StackEntry& other) noexcept {
        if (this != &other) {
            StackEntry copy(other);
            *this = std::move(copy);
        }
        return *this;
    }
    StackEntry& operator=(StackEntry&& other) noexcept {
        if (this != &other) {
            release();
            std::memcpy(bytes_, other.bytes_, kBytes);
            other.clearBytes();
        }
        return *this;
    }
    ~StackEntry() { release(); }

    // Copies the first n entries of `from` over the first n of `to`, which
    // must be empty (default-made).
    static void copyOverEmpty(const StackEntry* from, StackEntry* to, std::size_t n) noexcept {
        for (std::size_t i = 0; i < n; ++i) {
            to[i].copyBytesOf(from[i]);
        }
    }

    std::string text() const;
    // The text into `out`, reusing its storage.
    void copyTo(std::string& out) const;
    std::size_t size() const;
    // The bits of each digit (1, 3 or 4) of a text packed as binary, octal or
    // 0-9A-F digits; 0 for any other text.
    unsigned packedDigitBits() const {
        switch (kind()) {
        case Kind::Bin:
            return 1;
        case Kind::Oct:
            return 3;
        case Kind::Hex:
            return 4;
        default:
            return 0;
        }
    }
    // True when the text is held on the heap rather than packed.
    bool onHeap() const { return kind() == Kind::Heap; }

    friend bool operator==(const StackEntry& a, const StackEntry& b) {
        // A text always packs the same way, and unused bytes stay zero.
        if (std::memcmp(a.bytes_, b.bytes_, kBytes) == 0) {
            return true;
        }
        return a.kind() == Kind::Heap && b.kind() == Kind::Heap && sameHeapText(a, b);
    }

  private:
    enum class Kind : std::uint8_t { Plain, Bin, Oct, Hex, Heap };
    struct HeapText;
    static constexpr std::size_t kBytes = 24;
    static constexpr std::size_t kPayload = kBytes - 2; // after kind and length
    static constexpr std::size_t kPointerAt = 8;

    Kind kind() const { return static_cast<Kind>(bytes_[0]); }
    HeapText* heap() const;
    static bool sameHeapText(const StackEntry& a, const StackEntry& b);
    void clearBytes() noexcept { std::memset(bytes_, 0, kBytes); }
    void release() noexcept {
        if (onHeap()) {
            releaseHeap();
        }
    }
    void holdHeap() noexcept;
    void releaseHeap() noexcept;
    // Becomes a copy of `other` over bytes that hold nothing to release.
    void copyBytesOf(const StackEntry& other) noexcept {
        std::memcpy(bytes_, other.bytes_, kBytes);
        if (onHeap()) {
            holdHeap();
        }
    }

    alignas(8) unsigned char bytes_[kBytes];
};

static_assert(sizeof(StackEntry) == 24);

} // namespace quarnel::calculator
