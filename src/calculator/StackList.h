#pragma once

#include "calculator/StackEntry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel::calculator {

// The calculator's list of entries: element 0 is the deepest entry, the last
// element is level 1. Entries sit in blocks of 32 under a shallow tree of
// 32-wide nodes, with the newest block (the tail) beside the tree. Copies share
// every node; a write copies only the nodes on its path (the tail, or one node
// per tree level), so copying a whole list (the undo copy before every change)
// costs a few pointer copies and the first write after it stays small at any
// depth. Entries are packed StackEntry values; reading one gives its text.
// A list and its copies belong to one thread: the counts they share are plain.
class StackList {
  public:
    static constexpr unsigned kBits = 5;
    static constexpr std::size_t kWidth = std::size_t{1} << kBits; // entries per block

    class const_iterator {
      public:
        using iterator_concept = std::forward_iterator_tag;
        using iterator_category = std::input_iterator_tag;
        using value_type = std::string;
        using difference_type = std::ptrdiff_t;
        using reference = std::string;

        const_iterator() = default;
        std::string operator*() const { return block_[index_ % kWidth].text(); }
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.index_ == b.index_;
        }

      private:
        friend class StackList;
        const_iterator(const StackList* list, std::size_t index);
        const StackList* list_ = nullptr;
        std::size_t index_ = 0; // position among all slots, dead ones included
        const StackEntry* block_ = nullptr;
    };

    StackList() = default;
    StackList(std::initializer_list<std::string> entries);
    StackList(const StackList& other) noexcept;
    StackList(StackList&& other) noexcept;
    StackList& operator=(const StackList& other) noexcept;
    StackList& operator=(StackList&& other) noexcept;
    ~StackList();
    static StackList fromVector(std::vector<std::string> entries);

    std::size_t size() const { return end_ - start_; }
    bool empty() const { return end_ == start_; }

    // Element i, counted from the deepest entry (0).
    std::string operator[](std::size_t i) const { return entry(i).text(); }
    const StackEntry& entry(std::size_t i) const;
    // Level n (1 = top); n must be within 1..size().
    std::string level(std::size_t n) const { return (*this)[size() - n]; }
    std::string back() const { return level(1); }

    const_iterator begin() const { return {this, start_}; }
    const_iterator end() const { return {this, end_}; }

    void push_back(std::string_view entry);
    void pop_back();
    // Replaces level 1.
    void setBack(std::string_view entry);
    // Removes the n deepest entries (all when n >= size()).
    void eraseFront(std::size_t n);
    void clear();

    std::vector<std::string> toVector() const;

    // Changes with every write; a copy carries the stamp of its original, so
    // a list written since it was copied has a stamp different from the copy's.
    std::uint64_t stamp() const { return stamp_; }

    friend bool operator==(const StackList& a, const StackList& b);

  private:
    struct Node {
        std::uint32_t refs = 1;
        bool leaf = false;
    };
    struct Inner : Node {
        std::array<Node*, kWidth> children{};
    };
    struct Leaf : Node {
        Leaf() { leaf = true; }
        Leaf(const Leaf&) = delete;
        Leaf& operator=(const Leaf&) = delete;
        std::array<StackEntry, kWidth> entries;
    };

    static void release(Node* node) noexcept;
    // A new leaf holding the first `live` entries of `from` (none when it is
    // null); the last leaf freed on this thread is used again, so the copy
    // before each change costs no allocation.
    static Leaf* newLeaf(const Leaf* from, std::size_t live);
    static void freeLeaf(Leaf* leaf) noexcept;
    static void hold(Node* node) noexcept;
    // The node in `slot` ready for writing: made if missing, copied first if
    // another list or node shares it.
    static Inner* ownInner(Node*& slot);
    // A shared leaf is copied up to slot `live`, the one the caller writes
    // next: the tail holds nothing above it.
    static Leaf* ownLeaf(Node*& slot, std::size_t live);

    // Slots are counted from the first ever written; start_ and end_ bound the
    // live ones. Slots below tailStart() are in the tree, the rest in tail_.
    std::size_t tailStart() const { return end_ == 0 ? 0 : ((end_ - 1) >> kBits) << kBits; }
    const StackEntry* blockOf(std::size_t slot) const;
    void pushTailIntoTree();
    Node* popTree(Node* node, unsigned shift, std::size_t last);
    // Drops the tree blocks wholly below start_ and renumbers the slots so the
    // tree stays no taller than its live entries need.
    void trimFront();
    void written();

    Node* root_ = nullptr; // an Inner at level shift_, or null
    Node* tail_ = nullptr; // a Leaf, null when the list is empty
    unsigned shift_ = kBits;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    std::uint64_t stamp_ = 0;
};

} // namespace quarnel::calculator
