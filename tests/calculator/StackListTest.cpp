#include "calculator/StackList.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quarnel::calculator {
namespace {

using Model = std::vector<std::string>;

void expectSame(const StackList& list, const Model& model) {
    ASSERT_EQ(list.size(), model.size());
    for (std::size_t i = 0; i < model.size(); ++i) {
        ASSERT_EQ(list[i], model[i]) << "element " << i;
    }
    EXPECT_EQ(list.toVector(), model);
    std::size_t i = 0;
    for (const std::string& entry : list) {
        ASSERT_LT(i, model.size());
        EXPECT_EQ(entry, model[i++]);
    }
    EXPECT_EQ(i, model.size());
}

// Random pushes, pops, front erasures and level-1 writes across chunk
// boundaries, with copies taken on the way that must never see later writes.
TEST(StackListTest, MatchesAPlainVectorUnderRandomEdits) {
    std::mt19937 random(12345);
    StackList list;
    Model model;
    std::vector<std::pair<StackList, Model>> snapshots;
    int counter = 0;
    for (int step = 0; step < 20000; ++step) {
        const int action = static_cast<int>(random() % 100);
        if (action < 55) {
            const int pushes = static_cast<int>(random() % 700) + 1;
            for (int k = 0; k < pushes; ++k) {
                const std::string entry = std::to_string(counter++);
                list.push_back(entry);
                model.push_back(entry);
            }
        } else if (action < 80 && !model.empty()) {
            const std::size_t pops = random() % std::min<std::size_t>(model.size(), 900) + 1;
            for (std::size_t k = 0; k < pops; ++k) {
                list.pop_back();
                model.pop_back();
            }
        } else if (action < 88) {
            const std::size_t n = model.empty() ? 0 : random() % (model.size() + 2);
            list.eraseFront(n);
            model.erase(model.begin(),
                        model.begin() + static_cast<std::ptrdiff_t>(std::min(n, model.size())));
        } else if (action < 94 && !model.empty()) {
            const std::string entry = "W" + std::to_string(counter++);
            list.setBack(entry);
            model.back() = entry;
        } else if (snapshots.size() < 40) {
            snapshots.emplace_back(list, model);
        }
        if (step % 500 == 0) {
            expectSame(list, model);
        }
    }
    expectSame(list, model);
    for (const auto& [copy, copyModel] : snapshots) {
        expectSame(copy, copyModel);
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

} // namespace
} // namespace quarnel::calculator
