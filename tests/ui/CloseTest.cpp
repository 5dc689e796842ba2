#include "WindowFixture.h"

#include "ui/HelpViewer.h"

#include <QTest>

#include <stdexcept>

TEST_F(WindowTest, CloseDuringTheDemoIsRefusedAndStopsIt) {
    bool running = true;
    int quitRequests = 0;
    int saves = 0;
    window().hooks().demoRunning = [&] { return running; };
    window().hooks().requestDemoQuit = [&] {
        ++quitRequests;
        running = false; // the demo stops at its next step
    };
    window().hooks().saveState = [&] {
        ++saves;
        return true;
    };

    EXPECT_FALSE(window().close());
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(quitRequests, 1);
    EXPECT_EQ(saves, 0);

    EXPECT_TRUE(window().close());
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(quitRequests, 1);
    EXPECT_EQ(saves, 1);
}

TEST_F(WindowTest, FailedSaveKeepsTheWindowOpen) {
    struct Case {
        const char* name;
        std::function<bool()> save;
        bool closes;
        bool errorBox;
    };
    const Case cases[] = {
        {"refused", [] { return false; }, false, false},
        {"throws", []() -> bool { throw std::runtime_error("Unable to write"); }, false, true},
        {"saved", [] { return true; }, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window().show();
        window().hooks().saveState = c.save;
        if (c.errorBox)
            dialogs().expect(ScriptedDialogs::Kind::Error);
        EXPECT_EQ(window().close(), c.closes);
        EXPECT_EQ(window().isVisible(), !c.closes);
    }
}

TEST_F(WindowTest, CloseShutsTheHelpViewerFirst) {
    bool helpOpenWhileSaving = true;
    window().hooks().saveState = [&] {
        helpOpenWhileSaving = window().helpViewer() && window().helpViewer()->isVisible();
        return true;
    };
    choose("Contents1");
    ASSERT_NE(window().helpViewer(), nullptr);
    ASSERT_TRUE(window().helpViewer()->isVisible());
    EXPECT_TRUE(window().close());
    EXPECT_FALSE(helpOpenWhileSaving);
    EXPECT_FALSE(window().helpViewer()->isVisible());
}
