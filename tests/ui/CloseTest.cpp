#include "WindowFixture.h"

#include "ui/HelpViewer.h"

#include <stdexcept>

TEST_F(WindowTest, CloseDuringTheDemoIsRefusedAndStopsIt) {
    bool running = true;
    int quitRequests = 0, saves = 0;
    window().hooks().demoRunning = [&] { return running; };
    window().hooks().requestDemoQuit = [&] { ++quitRequests, running = false; };
    window().hooks().saveState = [&] { return ++saves, true; };
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(std::pair(quitRequests, saves), std::pair(1, 0));
    EXPECT_TRUE(window().close());
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(std::pair(quitRequests, saves), std::pair(1, 1));
}

TEST_F(WindowTest, FailedSaveKeepsTheWindowOpen) {
    // clang-format off
    const std::tuple<const char*, std::function<bool()>, bool> cases[] = {
        {"refused", [] { return false; }, false},
        {"throws", []() -> bool { throw std::runtime_error("Unable to write"); }, false},
        {"saved", [] { return true; }, true}};
    // clang-format on
    for (const auto& [name, save, closes] : cases) {
        SCOPED_TRACE(name);
        window().show();
        window().hooks().saveState = save;
        if (std::string(name) == "throws")
            dialogs().expect(ScriptedDialogs::Kind::Error);
        EXPECT_EQ(window().close(), closes);
        EXPECT_EQ(window().isVisible(), !closes);
    }
}

TEST_F(WindowTest, CloseShutsTheHelpViewerFirst) {
    bool helpOpenWhileSaving = true;
    window().hooks().saveState = [&] {
        helpOpenWhileSaving = window().helpViewer()->isVisible();
        return true;
    };
    choose("Contents1");
    ASSERT_TRUE(window().helpViewer() && window().helpViewer()->isVisible());
    EXPECT_TRUE(window().close());
    EXPECT_FALSE(helpOpenWhileSaving);
    EXPECT_FALSE(window().helpViewer()->isVisible());
}
