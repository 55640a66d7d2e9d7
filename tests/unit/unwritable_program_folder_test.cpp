// A program folder the program may not write to: the run still shows the
// cache, and its end says which settings could not be saved.
#include "fake_dialogs.h"
#include "fake_file_system.h"
#include "fake_screen.h"
#include "platform/runtime_error.h"
#include "ui/frm_tidewell.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

class ReadOnlyProgramFolder : public FakeFileSystem {
public:
    void createEmptyFile(std::string_view path) override {
        refuseInProgramFolder(path);
        FakeFileSystem::createEmptyFile(path);
    }
    void replaceTextFile(std::string_view path, std::string_view utf8) override {
        refuseInProgramFolder(path);
        FakeFileSystem::replaceTextFile(path, utf8);
    }

private:
    void refuseInProgramFolder(std::string_view path) const {
        if (path.rfind(programDir + "\\", 0) == 0) throw RuntimeError(err::PathFileAccessError, "Access denied.");
    }
};

TEST(UnwritableProgramFolder, FirstStartStillTakesTheInventoryAndReportsTheUnsavedSettings) {
    FakeScreen screen;
    ReadOnlyProgramFolder fs;
    FakeDialogs dialogs;
    FakeProcessStarter procs;
    frmTidewell form(screen, fs, dialogs, procs);
    screen.onUnload = [&](Element) { form.Unload(); };
    fs.addDirectory(fs.programDir);
    fs.addFile("C:\\CACHE\\a.jpg", "xx");
    fs.addFile(fs.programDir + "\\tidew.ini", "\"C:\\CACHE\"\r\n1\r\n1\r\n0\r\n");
    // No "user.ini", and none can be made.

    form.Load();
    EXPECT_TRUE(screen.visible(Element::NewBrowser));
    EXPECT_EQ(screen.text(Element::frmTidewell), "Tidewell 32 - Select a Browser");
    EXPECT_EQ(screen.text(Element::ImageCount), "1");
    EXPECT_TRUE(dialogs.boxes.empty());

    form.Click(Element::cmdExit);
    ASSERT_EQ(dialogs.boxes.size(), 2u);  // one per settings file, not repeated by the nested end
    EXPECT_NE(dialogs.boxes[0].text.find("tidew.ini"), std::string::npos);
    EXPECT_NE(dialogs.boxes[1].text.find("user.ini"), std::string::npos);
    EXPECT_TRUE(screen.ended);
    EXPECT_TRUE(fs.exists("C:\\CACHE\\a.jpg"));
}

}  // namespace
}  // namespace tw::test
