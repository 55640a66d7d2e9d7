// The main window wired to in-memory doubles, with a program folder at
// C:\PROGRAM and helpers to lay down settings files and cache directories.
#pragma once

#include "fake_dialogs.h"
#include "fake_file_system.h"
#include "fake_screen.h"
#include "ui/frm_tidewell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

namespace tw::test {

// Lets a test look at the rest of the program at the moment a box is up.
class ObservedDialogs : public FakeDialogs {
public:
    int messageBox(std::string_view text, int flags, std::string_view caption) override {
        const int answer = FakeDialogs::messageBox(text, flags, caption);
        if (onBox) onBox(boxes.back());
        return answer;
    }
    std::function<void(const Box&)> onBox;
};

class ObservedStarter : public FakeProcessStarter {
public:
    void start(std::string_view commandLine, std::string_view application, int showStyle) override {
        if (onStart) onStart();
        FakeProcessStarter::start(commandLine, application, showStyle);
    }
    std::function<void()> onStart;
};

struct MainFormHarness {
    FakeScreen screen;
    FakeFileSystem fs;
    ObservedDialogs dialogs;
    ObservedStarter procs;
    frmTidewell form{screen, fs, dialogs, procs};

    MainFormHarness() {
        fs.addDirectory(fs.programDir);
        // Closing the window raises its Unload reaction.
        screen.onUnload = [this](Element) { form.Unload(); };
    }

    std::string programFile(std::string_view name) const { return fs.programDir + "\\" + std::string(name); }
    std::string userIniPath() const { return programFile("user.ini"); }
    std::string tidewIniPath() const { return programFile("tidew.ini"); }

    void writeUserIni(std::string content) { fs.addFile(userIniPath(), std::move(content)); }
    void writeTidewIni(std::string content) { fs.addFile(tidewIniPath(), std::move(content)); }
    // The usual settings: a browser and a directory with its three switch values.
    void writeSettings(const std::string& browser, const std::string& directory, const std::string& images = "1",
                       const std::string& html = "1", const std::string& unknown = "0") {
        writeUserIni(browser + "\r\n");
        writeTidewIni(directory + "\r\n" + images + "\r\n" + html + "\r\n" + unknown + "\r\n");
    }
    void addCache(const std::string& directory, std::initializer_list<const char*> names) {
        fs.addDirectory(directory);
        for (const char* name : names) fs.addFile(directory + "\\" + name, std::string(10, 'x'));
    }

    void load() { form.Load(); }

    std::string content(const std::string& path) { return fs.file(path).content; }
    std::string text(Element e) const { return screen.text(e); }
    std::string caption() const { return screen.text(Element::frmTidewell); }

    std::vector<FakeDialogs::Box> boxesCaptioned(std::string_view caption) const {
        std::vector<FakeDialogs::Box> found;
        for (const auto& box : dialogs.boxes)
            if (box.caption == caption) found.push_back(box);
        return found;
    }
    // The settings writes, in order, as "write <path>".
    std::vector<std::string> writes() const {
        std::vector<std::string> found;
        std::copy_if(fs.log.begin(), fs.log.end(), std::back_inserter(found),
                     [](const std::string& entry) { return entry.rfind("write ", 0) == 0; });
        return found;
    }
    bool touched(const std::string& path) const {
        return std::any_of(fs.log.begin(), fs.log.end(), [&](const std::string& entry) {
            return entry == "write " + path || entry == "create " + path;
        });
    }
};

class MainFormTest : public ::testing::Test, public MainFormHarness {};

template <typename Param>
class MainFormTestWithParam : public ::testing::TestWithParam<Param>, public MainFormHarness {};

}  // namespace tw::test
