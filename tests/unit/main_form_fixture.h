// The main window wired to in-memory doubles, with a program folder at
// C:\PROGRAM and helpers to lay down settings files and cache directories.
#pragma once

#include "app/prepared_main_form.h"
#include "fake_dialogs.h"
#include "fake_file_system.h"
#include "fake_screen.h"

#include <gtest/gtest.h>

namespace tw::test {

using Strings = std::vector<std::string>;
using Names = std::set<std::string>;

inline const std::string kBrowser = "C:\\NS\\netscape.exe", kCache = "C:\\NETSCAPE\\CACHE";
inline const std::string kUserIniPath = "C:\\PROGRAM\\user.ini", kTidewIniPath = "C:\\PROGRAM\\tidew.ini";

// The bytes the program stores in tidew.ini: the directory quoted, then the
// images' and HTML documents' switches ("1\r\n0") and the unknown types' 0.
inline std::string storedTidewIni(const std::string& directory, const std::string& switches) {
    return "\"" + directory + "\"\r\n" + switches + "\r\n0\r\n";
}

struct MainFormHarness {
    FakeScreen screen;
    FakeFileSystem fs;
    FakeDialogs dialogs;
    FakeProcessStarter procs;
    PreparedMainForm form{screen, fs, dialogs, procs};

    MainFormHarness() {
        fs.addDirectory(fs.programDir);
        // Closing the window raises its Unload reaction.
        screen.onUnload = [this](Element) { form.Unload(); };
    }
    // The usual settings: a browser and a directory with its three switch values.
    void writeSettings(const std::string& browser, const std::string& directory, const std::string& switches = "1\r\n1\r\n0") {
        fs.addFile(kUserIniPath, browser + "\r\n");
        fs.addFile(kTidewIniPath, directory + "\r\n" + switches + "\r\n");
    }
    void addCache(const std::string& directory, const Strings& names) {
        fs.addDirectory(directory);
        for (const std::string& name : names) fs.addFile(directory + "\\" + name, std::string(10, 'x'));
    }
    // A window prepared over a cache holding `names`, with a browser that exists.
    void start(const Strings& names, const std::string& switches = "1\r\n1\r\n0") {
        addCache(kCache, names);
        fs.addFile(kBrowser, "MZ");
        writeSettings(kBrowser, kCache, switches);
        form.Load();
        dialogs.boxes.clear();
        fs.log.clear();
    }

    std::string text(Element e) const { return screen.text(e); }
    // The boxes shown so far, each as "caption|flags|text".
    Strings boxes() const {
        Strings shown;
        for (const auto& box : dialogs.boxes) shown.push_back(box.caption + "|" + std::to_string(box.flags) + "|" + box.text);
        return shown;
    }
    Strings logged(std::string_view kind) const {
        Strings found;
        for (const std::string& entry : fs.log)
            if (entry.rfind(kind, 0) == 0) found.push_back(entry);
        return found;
    }
    // The panels shown: "Manual Dir1 NewBrowser" or fewer.
    std::string panels() const {
        std::string shown;
        for (Element panel : {Element::Manual, Element::Dir1, Element::NewBrowser})
            if (screen.visible(panel)) shown += (shown.empty() ? "" : " ") + FakeScreen::name(panel);
        return shown;
    }
    Strings counts() const {
        return {text(Element::TotalCount), text(Element::ImageCount), text(Element::HTMLCount), text(Element::XCount)};
    }
};

class MainForm : public ::testing::Test, public MainFormHarness {};

}  // namespace tw::test
