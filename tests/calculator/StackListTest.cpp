#include "calculator/StackList.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quarnel::calculator {
namespace {

using Model = std::vector<std::string>;

std::string randomDigits(std::mt19937& random, std::string_view digits, std::size_t length) {
    std::string text(length, '0');
    for (char& c : text)
        c = digits[random() % digits.size()];
    return text;
}

// Texts of every kind an entry may hold, with lengths on both sides of what
// packs in place.
std::string randomEntry(std::mt19937& random) {
    switch (random() % 8) {
    case 0:
        return randomDigits(random, "01", 100 + random() % 100);
    case 1:
        return randomDigits(random, "01234567", 30 + random() % 40);
    case 2:
        return randomDigits(random, "0123456789ABCDEF", 15 + random() % 40);
    case 3:
        return randomDigits(random, "0123456789", 15 + random() % 40);
    case 4: {
        std::string any(random() % 30, '\0');
        for (char& c : any)
            c = static_cast<char>(random() % 256);
        return any;
    }
    case 5:
        return randomDigits(random, "0123456789abcdef", 20 + random() % 30);
    case 6:
        return random() % 20 == 0 ? randomDigits(random, "0123456789", 2000 + random() % 3000)
                                  : std::string();
    default:
        return std::to_string(random());
    }
}

void expectSame(const StackList& list, const Model& model) {
    ASSERT_EQ(list.size(), model.size());
    for (std::size_t i = 0; i < model.size(); ++i)
        ASSERT_EQ(list[i], model[i]) << "element " << i;
    EXPECT_EQ(list.toVector(), model);
    std::size_t i = 0;
    for (const std::string& entry : list) {
        ASSERT_LT(i, model.size());
        ASSERT_EQ(entry, model[i++]);
    }
    EXPECT_EQ(i, model.size());
    EXPECT_TRUE(list == StackList::fromVector(model));
}

// Three lists under random pushes, pops, front erasures, level-1 writes and
// copies of one into another, each against a plain vector. The lists grow to
// tens of thousands of entries and shrink again, so trees of several heights
// are built, shared, cut from the front and taken apart; writes to one list
// must never show in a list copied from it or into it.
TEST(StackListTest, MatchesAPlainVectorUnderRandomEditsAndCopies) {
    std::mt19937 random(12345);
    struct Subject {
        StackList list;
        Model model;
    };
    std::vector<Subject> subjects(3);
    std::vector<Subject> snapshots;
    for (int step = 0; step < 4000; ++step) {
        Subject& s = subjects[random() % subjects.size()];
        const int action = static_cast<int>(random() % 100);
        const bool growing = (step / 1000) % 2 == 0;
        if (action < (growing ? 50 : 30)) {
            const std::size_t pushes = random() % (random() % 10 == 0 ? 4000 : 70) + 1;
            for (std::size_t k = 0; k < pushes; ++k) {
                std::string entry = randomEntry(random);
                s.model.push_back(entry);
                s.list.push_back(std::move(entry));
            }
        } else if (action < 75 && !s.model.empty()) {
            const std::size_t pops = random() % std::min<std::size_t>(s.model.size(), 90) + 1;
            for (std::size_t k = 0; k < pops; ++k) {
                s.list.pop_back();
                s.model.pop_back();
            }
        } else if (action < 83) {
            const std::size_t n =
                growing || random() % 2 == 0 ? random() % 40 : random() % (s.model.size() + 2);
            s.list.eraseFront(n);
            s.model.erase(s.model.begin(), s.model.begin() + static_cast<std::ptrdiff_t>(
                                                                 std::min(n, s.model.size())));
        } else if (action < 91 && !s.model.empty()) {
            std::string entry = randomEntry(random);
            s.model.back() = entry;
            s.list.setBack(std::move(entry));
        } else if (action < 98) {
            s = subjects[random() % subjects.size()];
        } else if (snapshots.size() < 30) {
            snapshots.push_back(s);
        }
        if (step % 400 == 0) {
            for (const Subject& each : subjects)
                expectSame(each.list, each.model);
        }
    }
    for (const Subject& each : subjects)
        expectSame(each.list, each.model);
    for (const Subject& snapshot : snapshots)
        expectSame(snapshot.list, snapshot.model);
}

// Lists holding the same texts are equal however they were built (their blocks
// then start at different places); one differing entry makes them unequal.
TEST(StackListTest, EqualityComparesTexts) {
    Model model;
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i)
        model.push_back(randomEntry(random));
    StackList shifted;
    for (int i = 0; i < 45; ++i)
        shifted.push_back("x");
    for (const std::string& entry : model)
        shifted.push_back(entry);
    shifted.eraseFront(45);
    const StackList plain = StackList::fromVector(model);
    EXPECT_TRUE(plain == shifted);
    // Copies of one list, one cut at the front, share blocks at other positions;
    // here they differ only within their first block.
    Model head(100, "7");
    for (std::size_t i = 0; i < 31; ++i)
        head[i] = std::to_string(i);
    StackList cut = StackList::fromVector(head);
    StackList popped = cut;
    cut.eraseFront(1);
    popped.pop_back();
    EXPECT_FALSE(cut == popped);
    EXPECT_TRUE(cut == StackList::fromVector(Model(head.begin() + 1, head.end())));
    for (const std::size_t changed : {std::size_t{0}, std::size_t{1500}, model.size() - 1}) {
        Model other = model;
        other[changed] += "0";
        EXPECT_FALSE(plain == StackList::fromVector(other)) << changed;
        EXPECT_FALSE(StackList::fromVector(other) == shifted) << changed;
    }
}

TEST(StackListTest, EveryWriteChangesTheStamp) {
    StackList list{"1", "2"};
    const StackList copy = list;
    EXPECT_EQ(list.stamp(), copy.stamp());
    for (const auto& write : std::initializer_list<void (*)(StackList&)>{
             [](StackList& l) { l.push_back("3"); }, [](StackList& l) { l.pop_back(); },
             [](StackList& l) { l.setBack("4"); }, [](StackList& l) { l.eraseFront(0); },
             [](StackList& l) { l.clear(); }, [](StackList& l) { l.clear(); }}) {
        const std::uint64_t before = list.stamp();
        write(list);
        EXPECT_NE(list.stamp(), before);
    }
}

TEST(StackListTest, LevelsCountFromTheTop) {
    StackList list{"a", "b", "c"};
    EXPECT_EQ(list.level(1), "c");
    EXPECT_EQ(list.level(3), "a");
    list.eraseFront(5);
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(list.begin() == list.end());
}

// Texts come back exactly, through copies and moves; a full 128-bit value in
// any base is packed in place.
TEST(StackEntryTest, TextsComeBackExactly) {
    struct Row {
        std::string_view digits;
        std::size_t length;
        bool fullWidth;
    };
    for (const Row& row :
         {Row{"01", 128, true}, Row{"01", 176, false}, Row{"01", 177, false},
          Row{"01234567", 43, true}, Row{"01234567", 58, false}, Row{"01234567", 59, false},
          Row{"0123456789", 39, true}, Row{"0123456789ABCDEF", 32, true},
          Row{"0123456789ABCDEF", 44, false}, Row{"0123456789ABCDEF", 45, false},
          Row{"0123456789", 1'000'000, false}, Row{"0123456789abcdef", 22, false},
          Row{"0123456789abcdef", 23, false}, Row{"\x01 -z\xff", 22, false}, Row{"", 0, false}}) {
        std::mt19937 random(static_cast<unsigned>(row.length));
        const std::string text =
            row.digits.empty() ? std::string() : randomDigits(random, row.digits, row.length);
        const StackEntry entry(text);
        StackEntry copy = entry;
        const StackEntry moved = std::move(copy);
        EXPECT_EQ(entry.text(), text) << row.digits << " " << row.length;
        EXPECT_EQ(moved.text(), text) << row.digits << " " << row.length;
        EXPECT_EQ(entry.size(), text.size());
        EXPECT_TRUE(entry == moved);
        EXPECT_FALSE(entry == StackEntry(text + "1"));
        EXPECT_FALSE(row.fullWidth && entry.onHeap()) << row.digits;
    }
}

} // namespace
} // namespace quarnel::calculator
