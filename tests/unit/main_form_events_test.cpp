#include "main_form_fixture.h"

#include "platform/runtime_error.h"

#include <map>

namespace tw::test {
namespace {

using MainFormEvents = MainFormTest;

// Each step sets a switch from the program, or clicks it; after each, every
// switch shows its value in caption and colour, and each change of the
// unknown-types switch (never a click on it) has shown its message once.
TEST_F(MainFormEvents, SwitchesFollowTheProgramAndClicksAndRefuseValuesOutsideZeroToTwo) {
    using enum Element;
    constexpr int kClick = -100;
    const std::pair<Element, int> steps[] = {
        {AO, 0}, {AO, 1}, {AO, 2}, {AO, kClick}, {AO, kClick}, {AO, kClick}, {BO, 2}, {BO, kClick}, {BO, 0},
        {BO, kClick}, {CO, 0}, {CO, 1}, {CO, 1}, {CO, 2}, {CO, 0}, {CO, kClick}, {AO, -1}, {BO, 3}, {CO, 7}, {AO, 255},
    };
    std::map<Element, int> model = {{AO, 1}, {BO, 1}, {CO, 0}};
    std::size_t messages = 0;
    for (const auto& [box, value] : steps) {
        SCOPED_TRACE(FakeScreen::name(box) + (value == kClick ? " clicked" : " := " + std::to_string(value)));
        if (value == kClick) {
            form.Click(box);
            if (box != CO) model[box] = model[box] == 1 ? 0 : 1;
        } else if (value < 0 || value > 2) {
            try {
                form.SetSwitch(box, value);
                ADD_FAILURE() << "no failure";
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.number(), 380);
            }
        } else {
            form.SetSwitch(box, value);
            messages += box == CO && value != model[box];
            model[box] = value;
        }
        for (Element s : {AO, BO, CO}) {
            const bool clean = s != CO && model[s] == 1;
            EXPECT_EQ(screen.checkValue(s), model[s]) << FakeScreen::name(s);
            EXPECT_EQ(text(s), clean ? "Clean" : "Preserve") << FakeScreen::name(s);
            EXPECT_EQ(screen.at(s).colour, clean ? colour::Clean : colour::Preserve) << FakeScreen::name(s);
        }
        EXPECT_EQ(boxCaptions(), Strings(messages, "Unknown File Types"));
    }
}

TEST(MainFormPanels, ChangeAndSetCacheDirectoryAppendTheSuffixOncePerOpening) {
    for (Element opener : {Element::cmdChange, Element::menuSetCache}) {
        MainFormHarness h;
        for (const std::string once : {"", " - Manual Configuration"}) {
            h.form.Click(opener);
            EXPECT_EQ(h.caption(), "Tidewell 32" + once + " - Manual Configuration") << FakeScreen::name(opener);
            EXPECT_EQ(h.form.SavedCaption, "Tidewell 32" + once);
        }
        EXPECT_TRUE(h.visible(Element::Manual) && !h.visible(Element::Dir1) && !h.visible(Element::NewBrowser));
    }
}

TEST_F(MainFormEvents, BothPanelsAtOnceInEitherOrder) {
    screen.setText(Element::Browser, kBrowser);
    form.Click(Element::menuSetBrowser);
    form.Click(Element::menuSetCache);
    EXPECT_EQ(caption(), "Tidewell 32 - Select a Browser - Manual Configuration");
    EXPECT_EQ(form.SavedCaption, "Tidewell 32 - Select a Browser");
    form.Click(Element::cmdExitManual);
    form.Click(Element::cmdCancelBrowser);
    // The browser panel opened second lies under the manual panel and stays
    // when the manual panel is cancelled.
    form.Click(Element::menuSetCache);
    form.Click(Element::menuSetBrowser);
    EXPECT_TRUE(visible(Element::Manual) && visible(Element::NewBrowser));
    EXPECT_EQ(caption(), "Tidewell 32 - Select a Browser");
    form.Click(Element::cmdExitManual);
    EXPECT_TRUE(visible(Element::NewBrowser) && !visible(Element::Manual));
    EXPECT_EQ(caption(), "Tidewell 32");
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace tw::test
