#include "calculator/StackList.h"

#include <algorithm>
#include <cassert>
#include <new>
#include <utility>

namespace quarnel::calculator {

namespace {
constexpr std::size_t kMask = StackList::kWidth - 1;
} // namespace

// --- nodes -----------------------------------------------------------------------

namespace {

// The storage of the last leaf freed on this thread, kept for the next one.
struct SpareLeaf {
    void* storage = nullptr;
    SpareLeaf() = default;
    SpareLeaf(const SpareLeaf&) = delete;
    SpareLeaf& operator=(const SpareLeaf&) = delete;
    ~SpareLeaf() { ::operator delete(storage); }
};
thread_local SpareLeaf spareLeaf;

} // namespace

StackList::Leaf* StackList::newLeaf(const Leaf* from, std::size_t live) {
    void* storage = std::exchange(spareLeaf.storage, nullptr);
    if (storage == nullptr) {
        storage = ::operator new(sizeof(Leaf));
    }
    auto* leaf = new (storage) Leaf;
    if (from != nullptr) {
        StackEntry::copyOverEmpty(from->entries.data(), leaf->entries.data(), live);
    }
    return leaf;
}

void StackList::freeLeaf(Leaf* leaf) noexcept {
    leaf->~Leaf();
    if (spareLeaf.storage == nullptr) {
        spareLeaf.storage = leaf;
    } else {
        ::operator delete(leaf);
    }
}

void StackList::hold(Node* node) noexcept {
    if (node != nullptr) {
        ++node->refs;
    }
}

void StackList::release(Node* node) noexcept {
    if (node == nullptr || --node->refs != 0) {
        return;
    }
    if (node->leaf) {
        freeLeaf(static_cast<Leaf*>(node));
        return;
    }
    auto* inner = static_cast<Inner*>(node);
    for (Node* child : inner->children) {
        release(child);
    }
    delete inner;
}

StackList::Inner* StackList::ownInner(Node*& slot) {
    if (slot == nullptr) {
        slot = new Inner;
    } else if (slot->refs > 1) {
        auto* copy = new Inner;
        copy->children = static_cast<Inner*>(slot)->children;
        for (Node* child : copy->children) {
            hold(child);
        }
        release(slot);
        slot = copy;
    }
    return static_cast<Inner*>(slot);
}

StackList::Leaf* StackList::ownLeaf(Node*& slot, std::size_t live) {
    if (slot == nullptr) {
        slot = newLeaf(nullptr, 0);
    } else if (slot->refs > 1) {
        auto* copy = newLeaf(static_cast<Leaf*>(slot), live);
        release(slot);
        slot = copy;
    }
    return static_cast<Leaf*>(slot);
}

// --- the list as a value --------------------------------------------------------

StackList::StackList(std::initializer_list<std::string> entries) {
    for (const std::string& entry : entries) {
        push_back(entry);
    }
}

StackList::StackList(const StackList& other) noexcept
    : root_(other.root_), tail_(other.tail_), shift_(other.shift_), start_(other.start_),
      end_(other.end_), stamp_(other.stamp_) {
    hold(root_);
    hold(tail_);
}

StackList::StackList(StackList&& other) noexcept
    : root_(std::exchange(other.root_, nullptr)), tail_(std::exchange(other.tail_, nullptr)),
      shift_(std::exchange(other.shift_, kBits)), start_(std::exchange(other.start_, 0)),
      end_(std::exchange(other.end_, 0)), stamp_(other.stamp_) {}

StackList& StackList::operator=(const StackList& other) noexcept {
    if (this != &other) {
        *this = StackList(other);
    }
    return *this;
}

StackList& StackList::operator=(StackList&& other) noexcept {
    if (this != &other) {
        release(root_);
        release(tail_);
        root_ = std::exchange(other.root_, nullptr);
        tail_ = std::exchange(other.tail_, nullptr);
        shift_ = std::exchange(other.shift_, kBits);
        start_ = std::exchange(other.start_, 0);
        end_ = std::exchange(other.end_, 0);
        stamp_ = other.stamp_;
    }
    return *this;
}

StackList::~StackList() {
    release(root_);
    release(tail_);
}

StackList StackList::fromVector(std::vector<std::string> entries) {
    StackList list;
    for (std::string& entry : entries) {
        list.push_back(std::move(entry));
    }
    return list;
}

void StackList::written() {
    // One count for all lists of the thread, so that no two writes share a stamp.
    thread_local std::uint64_t writes = 0;
    stamp_ = ++writes;
}

// --- reading ---------------------------------------------------------------------

const StackEntry* StackList::blockOf(std::size_t slot) const {
    if (slot >= tailStart()) {
        return static_cast<const Leaf*>(tail_)->entries.data();
    }
    const Node* node = root_;
    for (unsigned shift = shift_; shift >= kBits; shift -= kBits) {
        node = static_cast<const Inner*>(node)->children[(slot >> shift) & kMask];
    }
    return static_cast<const Leaf*>(node)->entries.data();
}

const StackEntry& StackList::entry(std::size_t i) const {
    assert(i < size());
    const std::size_t slot = start_ + i;
    return blockOf(slot)[slot & kMask];
}

StackList::const_iterator::const_iterator(const StackList* list, std::size_t index)
    : list_(list), index_(index), block_(index < list->end_ ? list->blockOf(index) : nullptr) {}

StackList::const_iterator& StackList::const_iterator::operator++() {
    if ((++index_ & kMask) == 0 && index_ < list_->end_) {
        block_ = list_->blockOf(index_);
    }
    return *this;
}

std::vector<std::string> StackList::toVector() const {
    std::vector<std::string> entries;
    entries.reserve(size());
    entries.insert(entries.end(), begin(), end());
    return entries;
}

bool operator==(const StackList& a, const StackList& b) {
    if (a.size() != b.size()) {
        return false;
    }
    const bool aligned = ((a.start_ ^ b.start_) & kMask) == 0;
    const StackEntry* blockA = nullptr;
    const StackEntry* blockB = nullptr;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t slotA = a.start_ + i;
        const std::size_t slotB = b.start_ + i;
        if (i == 0 || (slotA & kMask) == 0 || (slotB & kMask) == 0) {
            blockA = a.blockOf(slotA);
            blockB = b.blockOf(slotB);
            if (aligned && blockA == blockB) {
                // A block the two lists share: equal up to its end.
                i += StackList::kWidth - (slotA & kMask);
                continue;
            }
        }
        if (!(blockA[slotA & kMask] == blockB[slotB & kMask])) {
            return false;
        }
        ++i;
    }
    return true;
}

// --- writing ---------------------------------------------------------------------

void StackList::push_back(std::string_view text) {
    written();
    StackEntry entry(text);
    if (end_ != 0 && (end_ & kMask) == 0) {
        pushTailIntoTree();
    }
    ownLeaf(tail_, end_ & kMask)->entries[end_ & kMask] = std::move(entry);
    ++end_;
}

// The full tail becomes the tree's last block; the list then has no tail
// until the caller starts a new one.
void StackList::pushTailIntoTree() {
    const std::size_t at = end_ - kWidth; // the tail's first slot
    if (root_ == nullptr) {
        assert(at == 0);
        shift_ = kBits;
    } else if ((at >> (shift_ + kBits)) != 0) {
        // The tree is full at its height: it becomes the first child of a new root.
        auto* top = new Inner;
        top->children[0] = root_;
        root_ = top;
        shift_ += kBits;
    }
    Node** slot = &root_;
    for (unsigned shift = shift_;; shift -= kBits) {
        Node*& child = ownInner(*slot)->children[(at >> shift) & kMask];
        if (shift == kBits) {
            assert(child == nullptr);
            child = std::exchange(tail_, nullptr);
            return;
        }
        slot = &child;
    }
}

void StackList::pop_back() {
    assert(!empty());
    if (size() == 1) {
        clear();
        return;
    }
    written();
    --end_;
    if ((end_ & kMask) != 0) {
        ownLeaf(tail_, end_ & kMask)->entries[end_ & kMask] = StackEntry();
        return;
    }
    // The tail's only entry went: the tree's last block becomes the tail.
    release(tail_);
    const std::size_t last = end_ - 1;
    std::array<Node**, 16> path{};
    std::size_t depth = 0;
    Node** slot = &root_;
    for (unsigned shift = shift_;; shift -= kBits) {
        path[depth++] = slot;
        Node*& child = ownInner(*slot)->children[(last >> shift) & kMask];
        if (shift == kBits) {
            tail_ = std::exchange(child, nullptr);
            break;
        }
        slot = &child;
    }
    // Nodes left without children go too.
    while (depth > 0) {
        Node*& node = *path[--depth];
        const auto& children = static_cast<Inner*>(node)->children;
        if (std::any_of(children.begin(), children.end(), [](Node* c) { return c != nullptr; })) {
            break;
        }
        release(node);
        node = nullptr;
    }
    trimFront();
}

void StackList::setBack(std::string_view text) {
    assert(!empty());
    written();
    ownLeaf(tail_, (end_ - 1) & kMask)->entries[(end_ - 1) & kMask] = StackEntry(text);
}

void StackList::eraseFront(std::size_t n) {
    if (n >= size()) {
        clear();
        return;
    }
    written();
    const std::size_t firstBlock = start_ >> kBits;
    start_ += n;
    if ((start_ >> kBits) != firstBlock) {
        trimFront();
    }
}

void StackList::trimFront() {
    const std::size_t tailFrom = tailStart();
    if (root_ != nullptr && start_ >= tailFrom) {
        release(root_);
        root_ = nullptr;
    }
    if (root_ == nullptr) {
        // Every live entry is in the tail: number its block 0.
        start_ -= tailFrom;
        end_ -= tailFrom;
        shift_ = kBits;
        return;
    }
    // Along the path to start_, release the children wholly below it (copying
    // the path first when another list shares it).
    bool below = false;
    const Node* node = root_;
    for (unsigned shift = shift_; !below; shift -= kBits) {
        const auto& children = static_cast<const Inner*>(node)->children;
        const std::size_t index = (start_ >> shift) & kMask;
        below = std::any_of(children.begin(), children.begin() + static_cast<std::ptrdiff_t>(index),
                            [](const Node* c) { return c != nullptr; });
        if (shift == kBits) {
            break;
        }
        node = children[index];
    }
    if (below) {
        Node** slot = &root_;
        for (unsigned shift = shift_;; shift -= kBits) {
            auto& children = ownInner(*slot)->children;
            const std::size_t index = (start_ >> shift) & kMask;
            for (std::size_t c = 0; c < index; ++c) {
                release(std::exchange(children[c], nullptr));
            }
            if (shift == kBits) {
                break;
            }
            slot = &children[index];
        }
    }
    // Renumber so the root's first child holds start_, and drop roots with
    // one child.
    for (;;) {
        const std::size_t first = start_ >> shift_;
        if (first != 0) {
            auto& children = ownInner(root_)->children;
            std::move(children.begin() + static_cast<std::ptrdiff_t>(first), children.end(),
                      children.begin());
            std::fill(children.end() - static_cast<std::ptrdiff_t>(first), children.end(), nullptr);
            start_ -= first << shift_;
            end_ -= first << shift_;
        }
        if (shift_ == kBits || ((tailStart() - 1) >> shift_) != 0) {
            return;
        }
        Node* child = static_cast<Inner*>(root_)->children[0];
        hold(child);
        release(root_);
        root_ = child;
        shift_ -= kBits;
    }
}

void StackList::clear() {
    written();
    release(std::exchange(root_, nullptr));
    release(std::exchange(tail_, nullptr));
    shift_ = kBits;
    start_ = 0;
    end_ = 0;
}

} // namespace quarnel::calculator
