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
#include <set>
#include <string>
#include <vector>

namespace tw::test {

using Strings = std::vector<std::string>;
using Names = std::set<std::string>;

inline const std::string kBrowser = "C:\\NS\\netscape.exe";
inline const std::string kCache = "C:\\NETSCAPE\\CACHE";

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

    std::string userIniPath() const { return fs.programDir + "\\user.ini"; }
    std::string tidewIniPath() const { return fs.programDir + "\\tidew.ini"; }
    void writeUserIni(std::string content) { fs.addFile(userIniPath(), std::move(content)); }
    void writeTidewIni(std::string content) { fs.addFile(tidewIniPath(), std::move(content)); }
    // The usual settings: a browser and a directory with its three switch values.
    void writeSettings(const std::string& browser, const std::string& directory, const std::string& images = "1",
                       const std::string& html = "1", const std::string& unknown = "0") {
        writeUserIni(browser + "\r\n");
        writeTidewIni(directory + "\r\n" + images + "\r\n" + html + "\r\n" + unknown + "\r\n");
    }
    void addCache(const std::string& directory, const Strings& names) {
        fs.addDirectory(directory);
        for (const std::string& name : names) fs.addFile(directory + "\\" + name, std::string(10, 'x'));
    }
    Names filesIn(const std::string& directory) const {
        const Strings names = fs.filesIn(directory);
        return {names.begin(), names.end()};
    }

    void load() { form.Load(); }
    // Forgets what happened so far, so that a test sees only its own steps.
    void forget() {
        dialogs.boxes.clear();
        fs.log.clear();
        screen.calls.clear();
    }

    std::string content(const std::string& path) { return fs.file(path).content; }
    std::string text(Element e) const { return screen.text(e); }
    std::string caption() const { return screen.text(Element::frmTidewell); }
    bool visible(Element e) const { return screen.visible(e); }

    // The boxes shown so far, each as "caption|flags|text".
    Strings boxes() const {
        Strings shown;
        for (const auto& box : dialogs.boxes)
            shown.push_back(box.caption + "|" + std::to_string(box.flags) + "|" + box.text);
        return shown;
    }
    Strings boxCaptions() const {
        Strings shown;
        for (const auto& box : dialogs.boxes) shown.push_back(box.caption);
        return shown;
    }
    // The processes started, each as "command line|application|show style".
    Strings started() const {
        Strings found;
        for (const auto& p : procs.starts)
            found.push_back(p.commandLine + "|" + p.application + "|" + std::to_string(p.showStyle));
        return found;
    }
    // The file system's log entries of one kind ("write ", "create ", ...), in order.
    Strings logged(std::string_view kind) const {
        Strings found;
        for (const std::string& entry : fs.log)
            if (entry.rfind(kind, 0) == 0) found.push_back(entry);
        return found;
    }
    Strings writes() const { return logged("write "); }
};

class MainFormTest : public ::testing::Test, public MainFormHarness {};

}  // namespace tw::test
