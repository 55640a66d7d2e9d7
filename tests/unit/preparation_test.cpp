#include "main_form_fixture.h"

#include <optional>

namespace tw::test {
namespace {

const std::string kStored = "\"C:\\NS\\netscape.exe\"\r\n";
std::string invalid(const std::string& path) {
    return "Invalid Path Specified|48|The Path: " + path +
           " is not valid!\r\nEnter a proper path or click Find to search File System.";
}

TEST_F(MainForm, StartUpOpensThePanelsAndAppliesTheSwitchesTheSettingsCallFor) {
    struct Case { std::optional<std::string> userIni, tidewIni; std::string panels, caption; Strings boxes;
                  std::string switches; bool counted; };
    const std::string ok = "c:\\netscape\\cache\\\r\n";
    const Case cases[] = {
        {kStored, ok + "1\r\n1\r\n0", "", "Tidewell 32", {}, "Clean Clean", true},
        {std::nullopt, ok + "1\r\n1\r\n0", "NewBrowser", "Tidewell 32 - Select a Browser", {}, "Clean Clean", true},
        {"", "c:\\missing\\\r\n0\r\n0\r\n0", "Manual NewBrowser", "Tidewell 32 - Select a Browser - Manual Configuration",
         {invalid("C:\\MISSING")}, "Clean Clean", false},
        {kStored, std::nullopt, "Manual", "Tidewell 32 - Manual Configuration", {}, "Clean Clean", false},
        {kStored, ok + "1", "", "Tidewell 32", {"Tidewell 32|48|Err:62"}, "Clean Clean", false},
        {kStored, ok + "1\r\n1\r\n1", "", "Tidewell 32",
         {"Unknown File Types|48|This version of Tidewell does not allow you to remove Unknown File types.  "
          "These \"X-Types\" may be imortant files."}, "Clean Clean", true},
        {kStored, ok + "7\r\n0\r\n0", "", "Tidewell 32", {}, "Clean Clean", false},
        {kStored, ok + "0\r\nx\r\n0", "", "Tidewell 32", {}, "Preserve Clean", false},
        {kStored, ok + " \t\r\n\"1\"\r\n0", "", "Tidewell 32", {}, "Preserve Clean", true},
        {kStored, ok + "2\r\n2\r\n0", "", "Tidewell 32", {}, "Preserve Preserve", true},  // grayed
        {"\r\n", ok + "1\r\n1\r\n0", "NewBrowser", "Tidewell 32 - Select a Browser", {}, "Clean Clean", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.userIni.value_or("no user.ini") + " / " + c.tidewIni.value_or("no tidew.ini"));
        MainFormHarness h;
        h.addCache(kCache, {"a.jpg", "b.htm", "c.txt"});
        if (c.userIni) h.fs.addFile(kUserIniPath, *c.userIni);
        if (c.tidewIni) h.fs.addFile(kTidewIniPath, *c.tidewIni);
        h.form.Load();
        EXPECT_EQ(h.panels(), c.panels);
        EXPECT_EQ(h.text(Element::frmTidewell), c.caption);
        EXPECT_EQ(h.boxes(), c.boxes);
        EXPECT_EQ(h.text(Element::AO) + " " + h.text(Element::BO), c.switches);
        for (Element box : {Element::AO, Element::BO})  // green for Clean, dark red otherwise
            EXPECT_EQ(h.screen.at(box).colour, (h.text(box) == "Clean" ? Rgb{0, 192, 0} : Rgb{128, 0, 0}));
        EXPECT_EQ(h.text(Element::Browser), c.panels.find("NewBrowser") == std::string::npos ? kBrowser : "");
        EXPECT_EQ(h.counts(), c.counted ? (Strings{"3", "1", "1", "1"}) : Strings(4, ""));
        EXPECT_EQ(h.fs.file(kUserIniPath).content, c.userIni.value_or(""));  // created when missing, never changed
        EXPECT_EQ(h.logged("tidy"), (Strings{"tidy " + kUserIniPath, "tidy " + kTidewIniPath}));
    }
}

TEST_F(MainForm, InventoryFillsTheFieldsInOrderWhileBothBarsFollow) {
    addCache(kCache, {});
    const std::pair<const char*, std::uint64_t> files[] = {{"a.jpg", 4294967296ull}, {"b.gif", 600}, {"c.htm", 1000},
                                                           {"d.html", 36}, {"E.JPG", 500}, {"f.b", 0}};
    for (const auto& [name, length] : files) fs.addFile(kCache + "\\" + name).length = length;
    writeSettings(kBrowser, kCache);
    screen.separator = ",";
    form.Load();
    const auto from = std::find(screen.calls.begin(), screen.calls.end(), "text Sbar Gathering information");
    EXPECT_EQ(Strings(from, screen.calls.end()),
              (Strings{"text Sbar Gathering information", "max ProgBar 6", "max ProgBar2 6", "text TotalCount 6",
                       "text ImageCount 2", "text HTMLCount 1", "text XCount 3", "text CacheSize 4294,969432",
                       "text CacheUnit MB", "text Sbar Ready"}));
    for (const auto& values : screen.progressValues) EXPECT_EQ(values, (std::vector<int>{1, 2, 3, 4, 5, 6, 0}));
    // Nothing to count: the counts read 0, the maxima and the size stay as they were.
    for (const std::string& name : fs.namesIn(kCache)) fs.deleteFile(kCache + "\\" + name);
    form.Load();
    EXPECT_EQ(counts(), Strings(4, "0"));
    EXPECT_EQ(screen.at(Element::ProgBar).progressMax + screen.at(Element::ProgBar2).progressMax, 12);
    EXPECT_EQ(text(Element::CacheSize) + "|" + text(Element::CacheUnit) + "|" + text(Element::Sbar), "||Ready");

    // A listing that fails with a missing file ends the preparation where it stands.
    fs.before = [](std::string_view operation, const std::string&) {
        if (operation == "list") throw RuntimeError(err::FileNotFound);
    };
    form.Load();
    EXPECT_EQ(counts(), Strings(4, ""));
    EXPECT_EQ(boxes(), Strings{"Tidewell 32|48|Err:53"});
}

// A cache directory in every shape, stored in tidew.ini or typed into the
// manual panel (opened at start for a directory that is gone) and saved: what
// CacheDir and the field show, which files are created (the probe), listed
// in order, and the boxes.
TEST_F(MainForm, EveryShapeOfDirectoryIsShownProbedListedAndStoredAsTheRulesSay) {
    struct Case { bool typed; std::string directory, shown, field, touched; Strings boxes; };
    const std::string newSettings = "New Settings Accepted|64|Tidewell has been updated!\r\nYour next session will "
                                    "configure automaticaly. Please wait while Tidewell gathers new information.";
    const std::string root = "list C:\\|", probe = kCache + "\\test.xxx|";
    // The user's own "test.xxx" is found taken, so "test1.xxx" is the probe, in the check and again at the reload.
    const std::string probeOnce = "create C:\\NEW\\CACHE\\test.xxx|create C:\\NEW\\CACHE\\test1.xxx|";
    const std::string probedTwice = probeOnce + probeOnce + "list C:\\NEW\\CACHE";
    const Case cases[] = {
        {false, "c:\\netscape\\cache\\", kCache, "C:\\PROGRAM", "create " + probe + "list " + kCache + "|"},
        {false, "C:\\NETSCAPE\\CACHE\\\\", kCache + "\\", "C:\\PROGRAM", "create " + probe + "list " + kCache + "\\|"},
        {false, "c:\\", "C:", "C:\\PROGRAM", "create C:\\test.xxx|" + root},
        {false, "c:\\\\", "C:\\", "C:\\PROGRAM", "create C:\\test.xxx|" + root},
        {false, "", "", "", "create \\test.xxx|list |", {invalid("")}},
        {true, "", "C:\\GONE", "", "", {"Invalid Directory|48|You must enter a Cache Directory"}},
        {true, "c:\\missing\\", "C:\\GONE", "", "create C:\\MISSING\\test.xxx|", {invalid("C:\\MISSING")}},
        {true, "c:\\new\\cache\\x.gif", "C:\\GONE", "", "create C:\\NEW\\CACHE\\X.GIF\\test.xxx|", {invalid("C:\\NEW\\CACHE\\X.GIF")}},
        {true, "c:\\locked", "C:\\GONE", "c:\\locked", "create C:\\LOCKED\\test.xxx|", {"Tidewell 32|0|PROGRAM ERR: 75"}},
        {true, "c:\\new\\cache", "C:\\NEW\\CACHE", "c:\\new\\cache", probedTwice + "|", {newSettings}},
        {true, "c:\\new\\cache\\", "C:\\NEW\\CACHE", "c:\\new\\cache\\", probedTwice + "|", {newSettings}},
        {true, "c:\\new\\cache\\\\", "C:\\NEW\\CACHE\\", "c:\\new\\cache\\\\", probedTwice + "\\|", {newSettings}},
        {true, "c:\\", "C:", "c:\\", "create C:\\test.xxx|create C:\\test.xxx|" + root, {newSettings}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.typed ? "typed " : "stored ") + c.directory);
        MainFormHarness h;
        h.addCache(kCache, {"a.jpg"});
        h.addCache("C:\\NEW\\CACHE", {"test.xxx", "x.gif"});  // a "test.xxx" of the user's own
        h.fs.addFile("C:\\z.jpg");
        h.writeSettings(kBrowser, c.typed ? "C:\\GONE" : c.directory, "0\r\n0\r\n0");
        const std::string settings = h.fs.file(kTidewIniPath).content;
        if (c.typed) h.form.Load(), h.dialogs.boxes.clear();
        std::string touched;
        h.fs.before = [&](std::string_view op, const std::string& path) {
            if (op == "create" || op == "list" || op == "length") touched += std::string(op) + " " + path + "|";
            if (op == "create" && path.rfind("C:\\LOCKED", 0) == 0) throw RuntimeError(err::PathFileAccessError);
        };
        if (c.typed) h.screen.setText(Element::ManualCache, c.directory), h.form.Click(Element::cmdSaveManualCache);
        else h.form.Load();
        EXPECT_EQ(touched, c.touched);
        EXPECT_EQ(h.text(Element::CacheDir), c.shown);
        EXPECT_EQ(h.text(Element::ManualCache), c.field);
        EXPECT_EQ(h.boxes(), c.boxes);
        const bool accepted = c.boxes.empty() || c.boxes == Strings{newSettings}, saved = accepted && c.typed;
        EXPECT_EQ(h.panels(), accepted ? "" : "Manual");
        EXPECT_EQ(h.text(Element::AO) + " " + h.text(Element::ImageCount), saved ? "Clean 1" : accepted ? "Preserve 1" : "Clean ");
        EXPECT_EQ(h.fs.file(kTidewIniPath).content, saved ? storedTidewIni(c.directory, "1\r\n1") : settings);
    }
}

// The open-file dialog lists the browser first; a cancelled dialog still hands
// back the file chosen last in this run, and one that cannot open changes nothing.
TEST_F(MainForm, FindPutsTheChosenBrowserInTheField) {
    start({});
    dialogs.fileChoices = {std::string("C:\\A\\nav.exe"), std::nullopt};
    for (const char* shown : {"C:\\A\\nav.exe", "C:\\A\\nav.exe", "typed"}) {
        form.Click(Element::cmdFindBrowser);
        EXPECT_EQ(text(Element::Browser), shown);
        screen.setText(Element::Browser, "typed");
    }
    EXPECT_EQ(dialogs.filters.front(), "Netscape Navigator|netscape.exe|Other|*.exe");
}

// The directory list shows the folder's ancestors open, then its subfolders
// in the file list's order; a double click opens one and names it in the field.
TEST_F(MainForm, TheDirectoryListShowsTheTreeAndOpensWhatIsDoubleClicked) {
    for (const char* name : {"b", "A", "C", "b\\deeper"}) fs.addDirectory("C:\\PROGRAM\\" + std::string(name));
    start({});
    EXPECT_EQ(screen.directories, (Strings{"C:\\ (open)", " PROGRAM (open)", "  A", "  b", "  C"}));
    form.Dir1DoubleClick(3);
    EXPECT_EQ(screen.directories, (Strings{"C:\\ (open)", " PROGRAM (open)", "  b (open)", "   deeper"}));
    EXPECT_EQ(text(Element::ManualCache), "C:\\PROGRAM\\b");
}

// One step of the user's: a click, text typed into a field, or the pointer moved over an element.
struct Step { Element element; std::optional<std::string> typed; bool hover = false; };
Step click(Element e) { return {e}; }
Step type(Element e, const std::string& text) { return {e, text}; }
Step hover(Element e) { return {e, std::nullopt, true}; }

// Every way into and out of each panel, the boxes of the menu and the buttons
// (first line of their text), and the hints: the caption, the panels and the
// status text after the steps, and "user.ini" when it was written.
TEST_F(MainForm, EachReactionLeavesTheCaptionPanelsStatusAndBoxesItShould) {
    using E = Element;
    struct Case { std::vector<Step> steps; std::string caption, panels, status = "Ready"; Strings boxes;
                  std::string userIni = kBrowser + "\r\n"; };
    const std::string title = "Tidewell 32", select = title + " - Select a Browser", manual = " - Manual Configuration";
    const std::string none = "No browser selected|48|You must select a browser! Please try again.";
    const Case cases[] = {
        {{click(E::cmdChange), click(E::menuSetCache), type(E::ManualCache, kCache), click(E::cmdSaveManualCache)},
         title + manual, "", "Ready", {"New Settings Accepted|64|Tidewell has been updated!"}},
        {{click(E::cmdChange), click(E::cmdBrowseManual)}, title + manual, "Manual Dir1"},
        {{click(E::cmdChange), click(E::cmdBrowseManual), click(E::cmdExitManual)}, title, ""},
        {{click(E::menuSetBrowser), type(E::Browser, ""), click(E::cmdSaveBrowser)}, select, "NewBrowser", "Ready", {none}, "\"\"\r\n"},
        {{click(E::menuSetBrowser), type(E::Browser, " "), click(E::cmdSaveBrowser)}, title, "", "Ready", {}, "\" \"\r\n"},
        {{click(E::menuSetBrowser), click(E::cmdChange), click(E::cmdExitManual)}, title, "NewBrowser"},
        {{click(E::cmdChange), click(E::menuSetBrowser), click(E::cmdCancelBrowser)}, title, "Manual"},
        {{click(E::cmdChange), click(E::menuAbout)}, title + manual, "Manual", "Ready",
         {"About Tidewell|64|Tidewell 32 - Cache Management System"}},
        {{click(E::menuSetBrowser), type(E::Browser, "C:\\B\\new.exe"), click(E::cmdCancelBrowser), click(E::cmdExit)},
         title, "", "Ready", {}, "\"C:\\B\\new.exe\"\r\n"},
        {{click(E::cmdCleanExit)}, title, "", "Ready", {"Job Done|68|Cleaning Done.  OK to Exit?"}, "\"" + kBrowser + "\"\r\n"},
        {{hover(E::cmdBrowseManual), hover(E::ManualCache)}, title, "", "Manualy Find Directory"},
        {{hover(E::cmdExitManual), hover(E::cmdClean)}, title, "", "Quit Manual Configuration"},
        {{hover(E::cmdSaveManualCache)}, title, "", "Save selected directory as default"},
        {{hover(E::Frame1), hover(E::Manual)}, title, "", "Ready"},
        {{hover(E::Manual), hover(E::Frame1)}, title, "", ""},
        {{hover(E::cmdBrowseManual), hover(E::frmTidewell)}, title, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(&c - cases));
        MainFormHarness h;
        h.start({"a.jpg"});
        for (const Step& step : c.steps) {
            if (step.hover) h.form.MouseMove(step.element);
            else if (step.typed) h.screen.setText(step.element, *step.typed);
            else h.form.Click(step.element);
        }
        EXPECT_EQ(h.text(Element::frmTidewell), c.caption);
        EXPECT_EQ(h.panels(), c.panels);
        EXPECT_EQ(h.text(Element::Sbar), c.status);
        Strings firstLines;
        for (const std::string& box : h.boxes()) firstLines.push_back(box.substr(0, box.find("\r\n")));
        EXPECT_EQ(firstLines, c.boxes);
        EXPECT_EQ(h.fs.file(kUserIniPath).content, c.userIni);
    }
}

}  // namespace
}  // namespace tw::test
