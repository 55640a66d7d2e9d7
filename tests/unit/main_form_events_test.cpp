#include "main_form_fixture.h"

#include "platform/runtime_error.h"

#include <ostream>
#include <tuple>

namespace tw::test {
namespace {

constexpr std::string_view kUnknownTypesText =
    "This version of Tidewell does not allow you to remove Unknown File types.  "
    "These \"X-Types\" may be imortant files.";

using MainFormEvents = MainFormTest;

struct SwitchStep {
    int value;
    std::string_view caption;
    Rgb colour;
};

TEST_F(MainFormEvents, ProgramSetSwitchCaptionAndColourFollowTheValue) {
    const SwitchStep steps[] = {
        {0, "Preserve", colour::Preserve}, {1, "Clean", colour::Clean},    {2, "Preserve", colour::Preserve},
        {1, "Clean", colour::Clean},       {0, "Preserve", colour::Preserve},
    };
    for (Element box : {Element::AO, Element::BO}) {
        for (const SwitchStep& step : steps) {
            SCOPED_TRACE(FakeScreen::name(box) + " := " + std::to_string(step.value));
            form.SetSwitch(box, step.value);
            EXPECT_EQ(screen.checkValue(box), step.value);
            EXPECT_EQ(text(box), step.caption);
            EXPECT_EQ(screen.at(box).colour, step.colour);
        }
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormEvents, ClickTogglesOnlyTheClickedSwitch) {
    form.Click(Element::AO);
    EXPECT_EQ(screen.checkValue(Element::AO), 0);
    EXPECT_EQ(text(Element::AO), "Preserve");
    EXPECT_EQ(screen.at(Element::AO).colour, colour::Preserve);
    EXPECT_EQ(text(Element::BO), "Clean");
    EXPECT_EQ(screen.checkValue(Element::BO), 1);

    form.Click(Element::AO);
    EXPECT_EQ(screen.checkValue(Element::AO), 1);
    EXPECT_EQ(text(Element::AO), "Clean");
    EXPECT_EQ(screen.at(Element::AO).colour, colour::Clean);

    form.Click(Element::BO);
    EXPECT_EQ(screen.checkValue(Element::BO), 0);
    EXPECT_EQ(text(Element::BO), "Preserve");
    EXPECT_EQ(screen.checkValue(Element::AO), 1);
}

TEST_F(MainFormEvents, UnknownTypesMessageOncePerChangeAndCaptionKept) {
    const std::pair<int, std::size_t> steps[] = {{0, 0}, {1, 1}, {1, 1}, {2, 2}, {0, 3}, {0, 3}};
    for (const auto& [value, boxesSoFar] : steps) {
        SCOPED_TRACE("CO := " + std::to_string(value));
        form.SetSwitch(Element::CO, value);
        ASSERT_EQ(dialogs.boxes.size(), boxesSoFar);
        EXPECT_EQ(screen.checkValue(Element::CO), value);
        EXPECT_EQ(text(Element::CO), "Preserve");
        EXPECT_EQ(screen.at(Element::CO).colour, colour::Preserve);
    }
    for (const auto& box : dialogs.boxes) {
        EXPECT_EQ(box.caption, "Unknown File Types");
        EXPECT_EQ(box.text, kUnknownTypesText);
        EXPECT_EQ(box.flags, 48);
    }
}

TEST_F(MainFormEvents, SwitchValuesOutsideZeroToTwoFailWith380AndChangeNothing) {
    for (Element box : {Element::AO, Element::BO, Element::CO}) {
        const int before = screen.checkValue(box);
        const std::string caption = text(box);
        for (int value : {-1, 3, 7, 255}) {
            SCOPED_TRACE(FakeScreen::name(box) + " := " + std::to_string(value));
            try {
                form.SetSwitch(box, value);
                ADD_FAILURE() << "no failure";
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.number(), 380);
            }
            EXPECT_EQ(screen.checkValue(box), before);
            EXPECT_EQ(text(box), caption);
        }
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormEvents, ClickingTheDisabledUnknownTypesSwitchDoesNothing) {
    form.Click(Element::CO);
    EXPECT_EQ(screen.checkValue(Element::CO), 0);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormEvents, StatusHintsReplaceTheTextAndOtherElementsLeaveIt) {
    const std::pair<Element, std::string_view> hinted[] = {
        {Element::frmTidewell, ""},
        {Element::Frame1, ""},
        {Element::Manual, "Ready"},
        {Element::cmdExitManual, "Quit Manual Configuration"},
        {Element::cmdBrowseManual, "Manualy Find Directory"},
        {Element::cmdSaveManualCache, "Save selected directory as default"},
    };
    for (const auto& [element, hint] : hinted) {
        screen.setText(Element::Sbar, "before");
        form.MouseMove(element);
        EXPECT_EQ(text(Element::Sbar), hint) << FakeScreen::name(element);
    }

    const Element silent[] = {
        Element::cmdClean,    Element::cmdLaunchBrowser, Element::cmdCleanExit,   Element::cmdExit,
        Element::cmdChange,   Element::cmdFindBrowser,   Element::cmdCancelBrowser, Element::cmdSaveBrowser,
        Element::NewBrowser,  Element::CacheDir,         Element::ManualCache,    Element::Browser,
        Element::AO,          Element::BO,               Element::CO,             Element::ImageCount,
        Element::CacheSize,   Element::Label1,           Element::Label4,         Element::Label8,
        Element::Dir1,        Element::Sbar,             Element::ProgBar,
    };
    for (Element element : silent) {
        screen.setText(Element::Sbar, "Manualy Find Directory");
        form.MouseMove(element);
        EXPECT_EQ(text(Element::Sbar), "Manualy Find Directory") << FakeScreen::name(element);
    }
}

TEST_F(MainFormEvents, ResizeRestoresTheFixedOuterSizeAndIsQuietWhileMinimised) {
    screen.at(Element::frmTidewell).outerWidth = 9000;
    screen.at(Element::frmTidewell).outerHeight = 200;
    form.Resize();
    EXPECT_EQ(screen.at(Element::frmTidewell).outerWidth, 6945);
    EXPECT_EQ(screen.at(Element::frmTidewell).outerHeight, 4095);

    screen.minimize(Element::frmTidewell);
    screen.at(Element::frmTidewell).outerWidth = 1234;
    EXPECT_NO_THROW(form.Resize());
    EXPECT_EQ(screen.at(Element::frmTidewell).outerWidth, 1234);
    EXPECT_TRUE(dialogs.boxes.empty());

    screen.restore(Element::frmTidewell);
    form.Resize();
    EXPECT_EQ(screen.at(Element::frmTidewell).outerWidth, 6945);
}

struct Opener {
    const char* name;
    Element element;
};
void PrintTo(const Opener& o, std::ostream* os) { *os << o.name; }

class OpeningTheManualPanel : public MainFormTestWithParam<Opener> {};

TEST_P(OpeningTheManualPanel, ShowsThePanelAndAppendsTheSuffixOncePerOpening) {
    form.Click(GetParam().element);
    EXPECT_TRUE(screen.visible(Element::Manual));
    EXPECT_FALSE(screen.visible(Element::Dir1));
    EXPECT_EQ(caption(), "Tidewell 32 - Manual Configuration");
    EXPECT_EQ(form.SavedCaption, "Tidewell 32");

    form.Click(GetParam().element);
    EXPECT_EQ(caption(), "Tidewell 32 - Manual Configuration - Manual Configuration");
    EXPECT_EQ(form.SavedCaption, "Tidewell 32 - Manual Configuration");
    EXPECT_FALSE(screen.visible(Element::NewBrowser));
}

INSTANTIATE_TEST_SUITE_P(ChangeButtonAndMenu, OpeningTheManualPanel,
                         ::testing::Values(Opener{"cmdChange", Element::cmdChange},
                                           Opener{"menuSetCache", Element::menuSetCache}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormEvents, SetBrowserShowsTheBrowserPanelAndLeavesThePathAlone) {
    screen.setText(Element::Browser, "C:\\NS\\netscape.exe");
    form.Click(Element::menuSetBrowser);
    EXPECT_TRUE(screen.visible(Element::NewBrowser));
    EXPECT_EQ(caption(), "Tidewell 32 - Select a Browser");
    EXPECT_EQ(text(Element::Browser), "C:\\NS\\netscape.exe");

    form.Click(Element::cmdCancelBrowser);
    EXPECT_FALSE(screen.visible(Element::NewBrowser));
    EXPECT_EQ(caption(), "Tidewell 32");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormEvents, BothPanelsAtOnceInEitherOrder) {
    screen.setText(Element::Browser, "C:\\NS\\netscape.exe");

    form.Click(Element::menuSetBrowser);
    form.Click(Element::menuSetCache);
    EXPECT_TRUE(screen.visible(Element::NewBrowser));
    EXPECT_TRUE(screen.visible(Element::Manual));
    EXPECT_EQ(caption(), "Tidewell 32 - Select a Browser - Manual Configuration");
    EXPECT_EQ(form.SavedCaption, "Tidewell 32 - Select a Browser");

    form.Click(Element::cmdExitManual);
    EXPECT_FALSE(screen.visible(Element::Manual));
    EXPECT_TRUE(screen.visible(Element::NewBrowser));
    EXPECT_EQ(caption(), "Tidewell 32");
    form.Click(Element::cmdCancelBrowser);
    EXPECT_FALSE(screen.visible(Element::NewBrowser));

    // The browser panel opened second lies under the manual panel.
    form.Click(Element::menuSetCache);
    form.Click(Element::menuSetBrowser);
    EXPECT_TRUE(screen.visible(Element::Manual));
    EXPECT_TRUE(screen.visible(Element::NewBrowser));
    EXPECT_EQ(caption(), "Tidewell 32 - Select a Browser");
    form.Click(Element::cmdExitManual);
    EXPECT_TRUE(screen.visible(Element::NewBrowser));
    EXPECT_EQ(caption(), "Tidewell 32");
}

TEST_F(MainFormEvents, ManualCancelHidesTheDirectoryListAndRestoresTheTitle) {
    form.Click(Element::menuSetBrowser);
    form.Click(Element::cmdChange);
    form.Click(Element::cmdBrowseManual);
    ASSERT_TRUE(screen.visible(Element::Dir1));
    form.Click(Element::menuSetCache);
    EXPECT_TRUE(screen.visible(Element::Dir1));

    form.Click(Element::cmdExitManual);
    EXPECT_FALSE(screen.visible(Element::Manual));
    EXPECT_FALSE(screen.visible(Element::Dir1));
    EXPECT_EQ(caption(), "Tidewell 32");
}

struct View {
    const char* name;
    std::vector<Element> openers;
};
void PrintTo(const View& v, std::ostream* os) { *os << v.name; }

class AboutFromEachView : public MainFormTestWithParam<View> {};

TEST_P(AboutFromEachView, ShowsTheAboutBoxAndChangesNothing) {
    for (Element opener : GetParam().openers) form.Click(opener);
    const auto snapshot = [this] {
        return std::make_tuple(caption(), form.SavedCaption, screen.visible(Element::Manual),
                               screen.visible(Element::NewBrowser), screen.visible(Element::Dir1),
                               screen.checkValue(Element::AO), screen.checkValue(Element::BO),
                               screen.checkValue(Element::CO), text(Element::Sbar), text(Element::Browser),
                               text(Element::ManualCache), fs.log.size(), screen.ended);
    };
    const auto before = snapshot();
    dialogs.boxes.clear();

    form.Click(Element::menuAbout);

    EXPECT_EQ(snapshot(), before);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "About Tidewell");
    EXPECT_EQ(dialogs.boxes[0].flags, 64);
    EXPECT_EQ(dialogs.boxes[0].text.rfind("Tidewell 32 - Cache Management System\r\n", 0), 0u);
}

const View kViews[] = {
    {"Main", {}},
    {"Manual", {Element::cmdChange, Element::cmdBrowseManual}},
    {"Browser", {Element::menuSetBrowser}},
    {"BothPanels", {Element::menuSetBrowser, Element::menuSetCache}},
};

INSTANTIATE_TEST_SUITE_P(Views, AboutFromEachView, ::testing::ValuesIn(kViews),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw::test
