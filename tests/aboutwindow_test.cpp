// The About menu entry's window: made on first use, opened, made active, reopened after
// closing, never a second one; the main window stays as it was.

#include "tests/support/recordingwindow.h"
#include "ui/aboutwindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace velmora;

namespace {

class FakeAboutWindow final : public AboutWindow {
public:
    [[nodiscard]] bool isOpen() const override { return open_; }
    void open() override
    {
        open_ = true;
        ++opened;
    }
    void activate() override { ++activated; }
    void close() { open_ = false; }

    int opened = 0;
    int activated = 0;

private:
    bool open_ = false;
};

enum class Event { MenuClick, UserCloses };

struct Step {
    Event event;
    bool open;     // afterwards
    int made;      // windows made so far
    int opened;    // times opened from the layout
    int activated; // times made active
};

struct Lifecycle {
    const char* name;
    std::vector<Step> steps;
};

class AboutLifecycle : public ::testing::TestWithParam<Lifecycle> {};

TEST_P(AboutLifecycle, FollowsTheMenuAndTheUser)
{
    AboutWindowReference reference;
    EXPECT_EQ(reference.window(), nullptr);
    int made = 0;
    FakeAboutWindow* window = nullptr;
    const AboutWindowReference::Maker make = [&]() -> std::unique_ptr<AboutWindow> {
        ++made;
        auto fresh = std::make_unique<FakeAboutWindow>();
        window = fresh.get();
        return fresh;
    };
    for (std::size_t i = 0; i < GetParam().steps.size(); ++i) {
        const Step& step = GetParam().steps[i];
        if (step.event == Event::MenuClick)
            reference.show(make);
        else
            window->close();
        SCOPED_TRACE(i);
        EXPECT_EQ(window->isOpen(), step.open);
        EXPECT_EQ(made, step.made);
        EXPECT_EQ(window->opened, step.opened);
        EXPECT_EQ(window->activated, step.activated);
        EXPECT_EQ(reference.window(), window);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AboutWindow, AboutLifecycle,
    ::testing::Values(Lifecycle{"made_and_opened_on_first_use", {{Event::MenuClick, true, 1, 1, 1}}},
                      Lifecycle{"twice_the_same_made_active",
                                {{Event::MenuClick, true, 1, 1, 1}, {Event::MenuClick, true, 1, 1, 2}}},
                      Lifecycle{"closed_then_reopened_afresh",
                                {{Event::MenuClick, true, 1, 1, 1},
                                 {Event::UserCloses, false, 1, 1, 1},
                                 {Event::MenuClick, true, 1, 2, 2},
                                 {Event::MenuClick, true, 1, 2, 3}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The menu entry asks the window for its About window and changes nothing else.
TEST(AboutWindow, MenuEntryLeavesTheMainWindowAsItWas)
{
    velmora::testing::RecordingWindow w;
    w.calculateMach("2");
    const std::size_t drawn = w.surface.requests.size();
    w.clickAbout();
    w.clickAbout();
    EXPECT_EQ(w.aboutShown, 2);
    EXPECT_EQ(w.surface.requests.size(), drawn);
    EXPECT_TRUE(w.messages.messages.empty());
    EXPECT_EQ(w.text(Box::Text_FLD4), "0.305");
    w.calculateMach("3");
    EXPECT_EQ(w.text(Box::Text_FLD4), "0.5222");
}

} // namespace
