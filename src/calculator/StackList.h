#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace quarnel::calculator {

// The calculator's list of entries: element 0 is the deepest entry, the last
// element is level 1. Entries live in shared fixed-size chunks that are copied
// only when written, so copying a whole list (the undo copy before every
// change) costs one pointer per chunk, and a push or pop touches one chunk.
class StackList {
  public:
    static constexpr std::size_t kChunkSize = 1024;

    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string*;
        using reference = const std::string&;

        const_iterator() = default;
        reference operator*() const { return (*list_->chunks_[chunk_])[offset_]; }
        pointer operator->() const { return &**this; }
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.chunk_ == b.chunk_ && a.offset_ == b.offset_;
        }

      private:
        friend class StackList;
        const_iterator(const StackList* list, std::size_t chunk, std::size_t offset)
            : list_(list), chunk_(chunk), offset_(offset) {}
        const StackList* list_ = nullptr;
        std::size_t chunk_ = 0;
        std::size_t offset_ = 0;
    };

    StackList() = default;
    StackList(std::initializer_list<std::string> entries);
    static StackList fromVector(std::vector<std::string> entries);

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Element i, counted from the deepest entry (0).
    const std::string& operator[](std::size_t i) const;
    // Level n (1 = top); n must be within 1..size().
    const std::string& level(std::size_t n) const { return (*this)[size_ - n]; }
    const std::string& back() const { return level(1); }

    const_iterator begin() const { return {this, 0, 0}; }
    const_iterator end() const { return {this, chunks_.size(), 0}; }

    void push_back(std::string entry);
    void pop_back();
    // Replaces level 1.
    void setBack(std::string entry);
    // Removes the n deepest entries (all when n >= size()).
    void eraseFront(std::size_t n);
    void clear();

    std::vector<std::string> toVector() const;

    // Changes with every write; a copy carries the stamp of its original, so
    // a list written since it was copied has a stamp different from the copy's.
    std::uint64_t stamp() const { return stamp_; }

    friend bool operator==(const StackList& a, const StackList& b);

  private:
    using Chunk = std::vector<std::string>;
    // Chunk c ready for writing: copied first if another list shares it.
    Chunk& writable(std::size_t c);

    // Every chunk holds at least one entry; all chunks but the first and the
    // last hold exactly kChunkSize, so an index is found without a search.
    std::vector<std::shared_ptr<Chunk>> chunks_;
    std::size_t size_ = 0;
    std::uint64_t stamp_ = 0;
    void written();
};

} // namespace quarnel::calculator
