#include "calculator/StackList.h"

#include <algorithm>
#include <atomic>
#include <cassert>

namespace quarnel::calculator {

StackList::const_iterator& StackList::const_iterator::operator++() {
    if (++offset_ == list_->chunks_[chunk_]->size()) {
        ++chunk_;
        offset_ = 0;
    }
    return *this;
}

StackList::StackList(std::initializer_list<std::string> entries) {
    for (const std::string& entry : entries) {
        push_back(entry);
    }
}

StackList StackList::fromVector(std::vector<std::string> entries) {
    StackList list;
    for (std::string& entry : entries) {
        list.push_back(std::move(entry));
    }
    return list;
}

const std::string& StackList::operator[](std::size_t i) const {
    assert(i < size_);
    const std::size_t first = chunks_.front()->size();
    if (i < first) {
        return (*chunks_.front())[i];
    }
    const std::size_t rest = i - first;
    return (*chunks_[1 + rest / kChunkSize])[rest % kChunkSize];
}

StackList::Chunk& StackList::writable(std::size_t c) {
    std::shared_ptr<Chunk>& chunk = chunks_[c];
    if (chunk.use_count() > 1) {
        auto copy = std::make_shared<Chunk>();
        copy->reserve(kChunkSize);
        copy->assign(chunk->begin(), chunk->end());
        chunk = std::move(copy);
    }
    return *chunk;
}

void StackList::written() {
    // One count for all lists, so that no two writes anywhere share a stamp.
    static std::atomic<std::uint64_t> writes{0};
    stamp_ = writes.fetch_add(1, std::memory_order_relaxed) + 1;
}

void StackList::push_back(std::string entry) {
    written();
    if (chunks_.empty() || chunks_.back()->size() == kChunkSize) {
        auto chunk = std::make_shared<Chunk>();
        chunk->reserve(kChunkSize);
        chunks_.push_back(std::move(chunk));
    }
    writable(chunks_.size() - 1).push_back(std::move(entry));
    ++size_;
}

void StackList::pop_back() {
    assert(size_ > 0);
    written();
    if (chunks_.back()->size() == 1) {
        chunks_.pop_back();
    } else {
        writable(chunks_.size() - 1).pop_back();
    }
    --size_;
}

void StackList::setBack(std::string entry) {
    assert(size_ > 0);
    written();
    writable(chunks_.size() - 1).back() = std::move(entry);
}

void StackList::eraseFront(std::size_t n) {
    written();
    if (n >= size_) {
        clear();
        return;
    }
    size_ -= n;
    // Whole chunks first, then part of the new first chunk.
    std::size_t whole = 0;
    while (n > 0 && chunks_[whole]->size() <= n) {
        n -= chunks_[whole]->size();
        ++whole;
    }
    chunks_.erase(chunks_.begin(), chunks_.begin() + static_cast<std::ptrdiff_t>(whole));
    if (n > 0) {
        Chunk& first = writable(0);
        first.erase(first.begin(), first.begin() + static_cast<std::ptrdiff_t>(n));
    }
}

void StackList::clear() {
    written();
    chunks_.clear();
    size_ = 0;
}

std::vector<std::string> StackList::toVector() const {
    std::vector<std::string> entries;
    entries.reserve(size_);
    for (const auto& chunk : chunks_) {
        entries.insert(entries.end(), chunk->begin(), chunk->end());
    }
    return entries;
}

bool operator==(const StackList& a, const StackList& b) {
    return a.size_ == b.size_ && std::equal(a.begin(), a.end(), b.begin());
}

} // namespace quarnel::calculator
