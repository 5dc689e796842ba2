#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

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
    explicit StackEntry(std::string text);
    StackEntry(const StackEntry& other) noexcept;
    StackEntry(StackEntry&& other) noexcept;
    StackEntry& operator=(const StackEntry& other) noexcept;
    StackEntry& operator=(StackEntry&& other) noexcept;
    ~StackEntry() { release(); }

    std::string text() const;
    // The text into `out`, reusing its storage.
    void copyTo(std::string& out) const;
    std::size_t size() const;
    // True when the text is held on the heap rather than packed.
    bool onHeap() const { return kind() == Kind::Heap; }

    friend bool operator==(const StackEntry& a, const StackEntry& b);

  private:
    enum class Kind : std::uint8_t { Plain, Bin, Oct, Hex, Heap };
    struct HeapText;
    static constexpr std::size_t kBytes = 24;
    static constexpr std::size_t kPayload = kBytes - 2; // after kind and length
    static constexpr std::size_t kPointerAt = 8;

    Kind kind() const { return static_cast<Kind>(bytes_[0]); }
    HeapText* heap() const;
    void clearBytes() noexcept;
    void release() noexcept;

    alignas(8) unsigned char bytes_[kBytes];
};

static_assert(sizeof(StackEntry) == 24);

} // namespace quarnel::calculator
