#include "main_form_fixture.h"

#include <optional>

namespace tw::test {
namespace {

const std::string kStored = "\"C:\\NS\\netscape.exe\"\r\n";
const std::string kInvalidPath =
    "Invalid Path Specified|48|The Path: C:\\MISSING is not valid!\r\nEnter a proper path or click Find to search File System.";

TEST_F(MainForm, StartUpOpensThePanelsAndAppliesTheSwitchesTheSettingsCallFor) {
    struct Case {
        std::optional<std::string> userIni, tidewIni;
        std::string panels, caption;
        Strings boxes;
        std::string switches;
        bool counted;
    };
    const std::string ok = "c:\\netscape\\cache\\\r\n";
    const Case cases[] = {
        {kStored, ok + "1\r\n1\r\n0", "", "Tidewell 32", {}, "Clean Clean", true},
        {std::nullopt, ok + "1\r\n1\r\n0", "NewBrowser", "Tidewell 32 - Select a Browser", {}, "Clean Clean", true},
        {"", "c:\\missing\\\r\n0\r\n0\r\n0", "Manual NewBrowser", "Tidewell 32 - Select a Browser - Manual Configuration",
         {kInvalidPath}, "Clean Clean", false},
        {kStored, std::nullopt, "Manual", "Tidewell 32 - Manual Configuration", {}, "Clean Clean", false},
        {kStored, ok + "1", "", "Tidewell 32", {"Tidewell 32|48|Err:62"}, "Clean Clean", false},
        {kStored, "c:\\netscape\\cache\\,0,1,0", "", "Tidewell 32", {}, "Preserve Clean", true},
        {kStored, ok + "\r\n1\r\n0", "", "Tidewell 32", {}, "Preserve Clean", true},
        {kStored, ok + "1\r\n1\r\n1", "", "Tidewell 32",
         {"Unknown File Types|48|This version of Tidewell does not allow you to remove Unknown File types.  "
          "These \"X-Types\" may be imortant files."}, "Clean Clean", true},
        {kStored, ok + "7\r\n0\r\n0", "", "Tidewell 32", {}, "Clean Clean", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tidewIni.value_or("no tidew.ini"));
        MainFormHarness h;
        h.addCache(kCache, {"a.jpg", "b.htm", "c.txt"});
        if (c.userIni) h.fs.addFile(kUserIni, *c.userIni);
        if (c.tidewIni) h.fs.addFile(kTidewIni, *c.tidewIni);
        h.form.Load();
        std::string panels = h.screen.visible(Element::Manual) ? "Manual" : "";
        if (h.screen.visible(Element::NewBrowser)) panels += panels.empty() ? "NewBrowser" : " NewBrowser";
        EXPECT_EQ(panels, c.panels);
        EXPECT_EQ(h.text(Element::frmTidewell), c.caption);
        EXPECT_EQ(h.boxes(), c.boxes);
        EXPECT_EQ(h.text(Element::AO) + " " + h.text(Element::BO), c.switches);
        EXPECT_EQ(h.screen.at(Element::AO).colour, c.switches[0] == 'C' ? colour::Clean : colour::Preserve);
        EXPECT_EQ(h.counts(), c.counted ? (Strings{"3", "1", "1", "1"}) : Strings(4, ""));
        EXPECT_EQ(h.fs.file(kUserIni).content, c.userIni.value_or(""));  // created when missing, never changed
        EXPECT_EQ(h.text(Element::ManualCache), c.boxes == Strings{kInvalidPath} ? "" : "C:\\PROGRAM");
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
    EXPECT_EQ(text(Element::CacheSize), "");

    // A listing that fails with a missing file ends the preparation where it stands.
    fs.before = [](std::string_view operation, const std::string&) {
        if (operation == "list") throw RuntimeError(err::FileNotFound);
    };
    form.Load();
    EXPECT_EQ(counts(), Strings(4, ""));
    EXPECT_EQ(boxes(), Strings{"Tidewell 32|48|Err:53"});
    EXPECT_EQ(fs.file(kUserIni).content, kBrowser + "\r\n");
}

TEST_F(MainForm, ManualPanelChecksProbesStoresAndPreparesAgain) {
    start({"a.jpg"}, "0\r\n0\r\n0");
    form.Click(Element::cmdChange);
    form.Click(Element::menuSetCache);
    EXPECT_EQ(text(Element::frmTidewell), "Tidewell 32 - Manual Configuration - Manual Configuration");
    const auto save = [this](const std::string& typed) {
        screen.setText(Element::ManualCache, typed);
        form.Click(Element::cmdSaveManualCache);
    };
    save("");
    save("c:\\missing\\");
    EXPECT_EQ(text(Element::ManualCache), "");
    fs.addFile("C:\\NEW\\CACHE\\test.xxx", "the user's own");
    fs.addFile("C:\\NEW\\CACHE\\x.gif");
    fs.before = [](std::string_view op, const std::string&) {
        if (op == "create") throw RuntimeError(err::PathFileAccessError);
    };
    save("c:\\new\\cache\\");  // a probe that fails otherwise is told by number; nothing is stored
    fs.before = nullptr;
    EXPECT_TRUE(screen.visible(Element::Manual));
    save("c:\\new\\cache\\");
    EXPECT_EQ(boxes(), (Strings{"Invalid Directory|48|You must enter a Cache Directory", kInvalidPath,
                                "Tidewell 32|0|PROGRAM ERR: 75",
                                "New Settings Accepted|64|Tidewell has been updated!\r\nYour next session will "
                                "configure automaticaly. Please wait while Tidewell gathers new information."}));
    EXPECT_EQ(fs.file(kTidewIni).content, "\"c:\\new\\cache\\\"\r\n1\r\n1\r\n0\r\n");
    EXPECT_EQ(fs.namesIn("C:\\NEW\\CACHE"), (Names{"test.xxx", "x.gif"}));
    EXPECT_EQ(fs.file("C:\\NEW\\CACHE\\test.xxx").content, "the user's own");
    EXPECT_EQ(text(Element::frmTidewell), "Tidewell 32 - Manual Configuration");
    EXPECT_FALSE(screen.visible(Element::Manual));
    EXPECT_EQ(text(Element::CacheDir) + " " + text(Element::AO) + " " + text(Element::ImageCount), "C:\\NEW\\CACHE Clean 1");
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

// Moving over an element with a hint shows it; over one without, the text stays.
TEST_F(MainForm, HintsFollowThePointer) {
    start({});
    for (const auto& [over, status] : {std::pair{Element::cmdBrowseManual, "Manualy Find Directory"},
                                       {Element::ManualCache, "Manualy Find Directory"}, {Element::Frame1, ""},
                                       {Element::Manual, "Ready"}, {Element::cmdClean, "Ready"}}) {
        form.MouseMove(over);
        EXPECT_EQ(text(Element::Sbar), status);
    }
}

}  // namespace
}  // namespace tw::test
