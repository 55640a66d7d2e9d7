#include "main_form_fixture.h"

#include "ui/messages.h"

namespace tw::test {
namespace {

const std::string kOldCache = "C:\\OLD";
const std::string kManualCaption = "Tidewell 32 - Manual Configuration";

std::string invalidPathBox(const std::string& path) {
    return "Invalid Path Specified|48|" + messageText(Message::InvalidPathSpecified, {path});
}

// Started on an accepted directory, with another one and a folder below the
// program folder to choose from.
class ManualPanel : public MainFormTest {
protected:
    ManualPanel() {
        addCache(kOldCache, {"old.jpg"});
        addCache(kCache, {"a.jpg", "b.gif", "c.htm", "d.txt"});
        fs.addDirectory("C:\\PROGRAM\\SUB");
        writeSettings(kBrowser, kOldCache);
        load();
        forget();
    }
    void saveTyped(const std::string& typed) {
        screen.setText(Element::ManualCache, typed);
        form.Click(Element::cmdSaveManualCache);
    }
    // The program folder's only subdirectory comes last in Dir1.
    void openSub() { form.Dir1DoubleClick(form.Dir1().entries().size() - 1); }
};

TEST(CheckCacheDir, NormalisesTheArgumentInPlaceAndProbesWithoutLeavingAFile) {
    struct Case {
        const char* given;
        const char* normalised;
        std::int16_t ok;
    };
    const Case cases[] = {
        {"c:\\netscape\\cache\\", "C:\\NETSCAPE\\CACHE", 1},     {"C:\\Netscape\\Cache", "C:\\NETSCAPE\\CACHE", 1},
        {"c:\\netscape\\cache\\\\", "C:\\NETSCAPE\\CACHE\\", 1}, {"c:\\", "C:", 1},
        {"c:\\nowhere\\", "C:\\NOWHERE", 0},
        {"c:\\netscape\\cache\\sub", "C:\\NETSCAPE\\CACHE\\SUB", 0},
        // A share that is not there, and a path relative to nothing known.
        {"\\\\server\\share\\cache\\", "\\\\SERVER\\SHARE\\CACHE", 0}, {"cache\\", "CACHE", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        MainFormHarness h;
        h.addCache(kCache, {"a.jpg"});
        h.screen.setText(Element::ManualCache, "typed");
        std::string path = c.given;
        h.form.CacheDirOK = c.ok == 1 ? 0 : 1;
        h.form.CheckCacheDir(path);
        EXPECT_EQ(path, c.normalised);
        EXPECT_EQ(h.form.CacheDirOK, c.ok);
        const std::string probe = std::string(c.normalised) + "\\test.xxx";
        EXPECT_EQ(h.fs.log, (c.ok ? Strings{"create " + probe, "delete " + probe} : Strings{}));
        EXPECT_EQ(h.boxes(), c.ok ? Strings{} : Strings{invalidPathBox(c.normalised)});
        EXPECT_EQ(h.text(Element::ManualCache), c.ok ? "typed" : "");
        EXPECT_EQ(h.filesIn(kCache), Names{"a.jpg"});
    }
}

TEST(CheckCacheDir, AUsersOwnTestFileKeepsItsContentAndNothingIsLeftBehind) {
    MainFormHarness h;
    h.addCache(kCache, {"a.jpg"});
    h.fs.addFile(kCache + "\\test.xxx", "the user's own");
    h.fs.addFile(kCache + "\\TEST1.XXX", "also the user's");
    std::string path = "c:\\netscape\\cache";
    h.form.CheckCacheDir(path);
    EXPECT_EQ(h.form.CacheDirOK, 1);
    EXPECT_EQ(h.content(kCache + "\\test.xxx"), "the user's own");
    EXPECT_EQ(h.content(kCache + "\\TEST1.XXX"), "also the user's");
    EXPECT_EQ(h.filesIn(kCache), (Names{"a.jpg", "test.xxx", "TEST1.XXX"}));
    const Strings created = h.logged("create ");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(h.logged("delete "), Strings{"delete " + created[0].substr(7)});
}

TEST(CheckCacheDir, OtherProbeFailuresShowProgramErrAndKeepCacheDirOK) {
    for (const std::string operation : {"create", "delete"}) {
        for (const int number : {75, 70, 71, 61}) {
            for (const std::int16_t previous : {0, 1}) {
                SCOPED_TRACE(operation + " " + std::to_string(number));
                MainFormHarness h;
                h.addCache(kCache, {"a.jpg"});
                h.fs.failures[operation] = number;
                h.form.CacheDirOK = previous;
                h.screen.setText(Element::ManualCache, "typed");
                std::string path = "c:\\netscape\\cache\\";
                h.form.CheckCacheDir(path);
                EXPECT_EQ(h.boxes(), Strings{"Tidewell 32|0|PROGRAM ERR: " + std::to_string(number)});
                EXPECT_EQ(h.form.CacheDirOK, previous);
                EXPECT_EQ(h.text(Element::ManualCache) + " " + path, "typed " + kCache);
            }
        }
    }
}

TEST_F(ManualPanel, SaveOfAValidDirectoryStoresItAsTypedAndPreparesTheWindowAgain) {
    writeSettings(kBrowser, kOldCache, "0", "0", "1");
    load();
    writeUserIni("C:\\OTHER\\nav.exe\r\n");
    forget();
    // Opened twice: the caption of the last opening comes back.
    form.Click(Element::cmdChange);
    form.Click(Element::menuSetCache);
    form.Click(Element::cmdBrowseManual);
    openSub();
    EXPECT_EQ(text(Element::ManualCache), "C:\\PROGRAM\\SUB");
    // Opening the directory that is already current changes nothing.
    screen.setText(Element::ManualCache, "typed");
    openSub();
    EXPECT_EQ(text(Element::ManualCache), "typed");

    const std::string stored = "\"c:\\netscape\\cache\\\"\r\n1\r\n1\r\n0\r\n";
    bool readyAtNotice = false;
    dialogs.onBox = [&](const FakeDialogs::Box& box) {
        if (box.caption != "New Settings Accepted") return;
        readyAtNotice = content(tidewIniPath()) == stored && caption() == kManualCaption + " - Manual Configuration" &&
                        text(Element::AO) == "Clean" && text(Element::BO) == "Clean" &&
                        screen.checkValue(Element::CO) == 0;
    };
    saveTyped("c:\\netscape\\cache\\");

    EXPECT_EQ(writes(), Strings{"write " + tidewIniPath()});
    EXPECT_EQ(content(tidewIniPath()), stored);
    // The unknown-types switch back to 0 speaks first.
    EXPECT_EQ(boxCaptions(), (Strings{"Unknown File Types", "New Settings Accepted"}));
    EXPECT_TRUE(readyAtNotice);
    EXPECT_FALSE(visible(Element::Manual) || visible(Element::Dir1));
    EXPECT_EQ(caption(), kManualCaption);
    // The load reaction ran again: the new directory's inventory, the browser
    // read anew, Dir1 back home.
    EXPECT_EQ(Strings({text(Element::CacheDir), text(Element::TotalCount), form.BrowserPath, form.Dir1().path(),
                       text(Element::ManualCache)}),
              Strings({kCache, "4", "C:\\OTHER\\nav.exe", "C:\\PROGRAM", "C:\\PROGRAM"}));
}

TEST_F(ManualPanel, ProgramErrStopsTheSaveOnlyWhenNoCheckHasPassed) {
    form.Click(Element::cmdChange);
    fs.failures["create"] = 75;
    form.CacheDirOK = 0;  // as at the first start, before any directory was accepted
    saveTyped(kCache);
    EXPECT_EQ(boxes(), Strings{"Tidewell 32|0|PROGRAM ERR: 75"});
    EXPECT_TRUE(visible(Element::Manual));
    EXPECT_EQ(text(Element::ManualCache), kCache);
    EXPECT_TRUE(writes().empty());

    form.CacheDirOK = 1;
    saveTyped(kCache);
    EXPECT_EQ(content(tidewIniPath()), "\"C:\\NETSCAPE\\CACHE\"\r\n1\r\n1\r\n0\r\n");
    EXPECT_FALSE(visible(Element::Manual));
    EXPECT_EQ(text(Element::TotalCount), "4");
    EXPECT_EQ(boxCaptions(), (Strings{"Tidewell 32", "Tidewell 32", "New Settings Accepted", "Tidewell 32"}));
}

TEST_F(ManualPanel, SavingNothingChecksNothingAndCancelStoresNothing) {
    form.Click(Element::menuSetBrowser);
    form.Click(Element::cmdChange);
    form.Click(Element::cmdBrowseManual);
    saveTyped("");
    EXPECT_EQ(boxCaptions(), Strings{"Invalid Directory"});
    EXPECT_TRUE(visible(Element::Manual));
    screen.setText(Element::ManualCache, kCache);
    form.Click(Element::cmdExitManual);
    EXPECT_FALSE(visible(Element::Manual) || visible(Element::Dir1));
    EXPECT_EQ(caption(), "Tidewell 32");
    EXPECT_EQ(text(Element::CacheDir) + " " + text(Element::TotalCount), kOldCache + " 1");
    EXPECT_TRUE(fs.log.empty());
}

}  // namespace
}  // namespace tw::test
