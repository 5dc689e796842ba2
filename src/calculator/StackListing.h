#pragma once

#include "calculator/StackList.h"
#include "engine/NumberBase.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quarnel::calculator {

// One entry reduced to the word size in the base, no leading zeros: the form
// the display and the listing show.
std::string normalizedEntry(std::string_view text, engine::NumberBase base, int wordSize);

// The StackView listing of one moment: a copy of the stack (it shares the
// stack's storage) with the base, word size and numbering in force then. A line
// is formatted only when it is asked for, so a listing of a deep stack costs
// no more than the copy, however many lines it has.
class StackListing {
  public:
    StackListing() = default;
    // Throws engine::EngineError, as formatting it would, for the deepest
    // entry that is not a number in the base; nothing is formatted otherwise.
    StackListing(StackList stack, engine::NumberBase base, int wordSize, bool numbering);

    std::size_t size() const { return stack_.size(); }
    bool empty() const { return stack_.empty(); }
    // Line i (0 = the deepest entry): the entry at full length, after its
    // level number and ": " while numbering is on.
    std::string line(std::size_t i) const;

  private:
    StackList stack_;
    engine::NumberBase base_ = engine::NumberBase::Hex;
    int wordSize_ = engine::kDefaultWordSize;
    bool numbering_ = true;
};

} // namespace quarnel::calculator
