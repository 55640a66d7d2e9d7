// Start-up from the stored settings and the manual cache directory panel,
// driven on the real program: the boxes it shows, the panels and captions,
// the counts, and what the settings files and the cache hold afterwards.
#include "session.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <stdexcept>

namespace tw::e2e {
namespace {

constexpr COLORREF kGreen = RGB(0, 192, 0);
constexpr COLORREF kDarkRed = RGB(128, 0, 0);
const std::string kMain = "Tidewell 32";
const std::string kBrowserCaption = "Tidewell 32 - Select a Browser";
const std::string kManualCaption = "Tidewell 32 - Manual Configuration";
const std::string kBothCaption = "Tidewell 32 - Select a Browser - Manual Configuration";
const std::string kUnknownTypesBox =
    "Unknown File Types: This version of Tidewell does not allow you to remove Unknown File types.  "
    "These \"X-Types\" may be imortant files.";
const std::string kAcceptedBox =
    "New Settings Accepted: Tidewell has been updated!\r\nYour next session will configure automaticaly. "
    "Please wait while Tidewell gathers new information.";
const std::string kEmptyEntryBox = "Invalid Directory: You must enter a Cache Directory";

std::string invalidPathBox(const std::string& shown) {
    return "Invalid Path Specified: The Path: " + shown +
           " is not valid!\r\nEnter a proper path or click Find to search File System.";
}

std::string recased(std::string s, int (*to)(int)) {
    for (char& c : s) c = static_cast<char>(to(static_cast<unsigned char>(c)));
    return s;
}
std::string upper(const std::string& s) { return recased(s, [](int c) { return std::toupper(c); }); }
std::string lower(const std::string& s) { return recased(s, [](int c) { return std::tolower(c); }); }

std::string quotedSettings(const std::string& dir, int images, int html, int unknown) {
    return "\"" + dir + "\"\r\n" + std::to_string(images) + "\r\n" + std::to_string(html) + "\r\n" +
           std::to_string(unknown) + "\r\n";
}

using Texts = std::vector<std::string>;

// The plain files of a folder, sorted.
Texts filesIn(const std::wstring& dir) {
    Texts names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(narrow(entry.cFileName));
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// Images, HTML documents, unknown types, total, as the count fields show them.
using Counts = std::array<std::string, 4>;
const Counts kNoCounts{"", "", "", ""};

// A scenario's program folder and one run of the program in it.
struct Scenario {
    ProgramFolder folder;
    std::unique_ptr<Session> session;

    // Cache files of every kind: two images, one HTML document, one other;
    // the cache folder and these switches stored, and the browser.
    static inline const Counts kFilledCounts{"2", "1", "1", "4"};
    void prepare(int images, int html, int unknown) const {
        for (const wchar_t* name : {L"a.jpg", L"b.gif", L"c.htm", L"d.dat"}) folder.addCacheFile(name);
        folder.writeSettings(folder.cacheUtf8(), images, html, unknown);
        folder.writeBrowser(narrow(folder.browser()));
    }

    // Starts the program and answers each box of the start-up with OK; the
    // boxes as "caption: text". Every one must come while only the start-up
    // window is on the screen.
    Texts startUp() {
        session = std::make_unique<Session>(folder);
        Program& program = session->program();
        const auto shown = [&](const wchar_t* cls) {
            HWND w = program.topLevel(cls);
            return w != nullptr && IsWindowVisible(w);
        };
        Texts boxes;
        const bool up = waitFor([&] {
            if (HWND box = program.messageBox()) {
                const BoxContent content = readMessageBox(box);
                EXPECT_TRUE(shown(L"frmStart") && !shown(L"frmTidewell"))
                    << "\"" << content.caption << "\" was not shown over the start-up window";
                boxes.push_back(content.caption + ": " + content.text);
                answerMessageBox(box, IDOK);
                waitFor([&] { return !IsWindow(box); }, 5s);
                return false;
            }
            return shown(L"frmTidewell") && !shown(L"frmStart");
        });
        if (!up || !session->waitReady(2s))
            throw std::runtime_error("the main window did not come up; boxes answered: " +
                                     std::to_string(boxes.size()));
        EXPECT_EQ(program.messageBox(), nullptr) << "a box is open after the start-up";
        return boxes;
    }

    // Answers the one box a click brings up and makes sure no second follows.
    std::string answerOnlyBox() {
        const BoxContent content = session->answerBox(IDOK);
        EXPECT_FALSE(waitFor([&] { return session->program().messageBox() != nullptr; }, 500ms))
            << "a second box followed \"" << content.caption << "\"";
        return content.caption + ": " + content.text;
    }

    std::string caption() const { return windowText(session->main()); }
    std::string text(Element e) const { return session->text(e); }
    bool visible(Element e) const { return session->visible(e); }
    Counts counts() const {
        return {text(Element::ImageCount), text(Element::HTMLCount), text(Element::XCount), text(Element::TotalCount)};
    }
    void type(Element field, const std::string& value) const {
        SendMessageW(session->find(field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widen(value).c_str()));
    }
    void openManualPanel() const {
        session->click(Element::cmdChange);
        ASSERT_TRUE(waitFor([&] { return visible(Element::Manual); })) << "\"Change\" did not open the panel";
    }
    // Whether the element is what the user sees at its centre.
    bool onTop(Element e) const {
        HWND control = session->find(e);
        const RECT r = windowRect(control);
        const HWND hit = WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        return hit == control || IsChild(control, hit);
    }
};

TEST(FirstStart, WithoutAnySettingsFileOpensBothPanelsWithoutABoxAndCreatesAnEmptyUserIni) {
    Scenario run;
    EXPECT_EQ(run.startUp(), Texts{});
    EXPECT_EQ(run.caption(), kBothCaption);
    EXPECT_TRUE(run.visible(Element::Manual));
    EXPECT_TRUE(run.visible(Element::NewBrowser));
    EXPECT_TRUE(run.onTop(Element::ManualCache)) << "the manual panel is not above the browser panel";
    EXPECT_EQ(run.text(Element::ManualCache), narrow(run.folder.dir()));
    EXPECT_EQ(run.text(Element::CacheDir), "");
    EXPECT_EQ(run.counts(), kNoCounts);
    EXPECT_EQ(run.folder.read(L"user.ini"), "");
    EXPECT_EQ(filesIn(run.folder.dir()), (Texts{"Tidewell32.exe", "browser.exe", "user.ini"}))
        << "tidew.ini must not be created at start, nor anything left behind";
}

TEST(FirstStart, AnEmptyUserIniOpensTheBrowserPanelAndStaysEmpty) {
    Scenario run;
    run.prepare(1, 1, 0);
    run.folder.write(L"user.ini", "");
    EXPECT_EQ(run.startUp(), Texts{});
    EXPECT_EQ(run.caption(), kBrowserCaption);
    EXPECT_TRUE(run.visible(Element::NewBrowser));
    EXPECT_FALSE(run.visible(Element::Manual));
    EXPECT_EQ(run.counts(), Scenario::kFilledCounts);
    EXPECT_EQ(run.folder.read(L"user.ini"), "");
}

TEST(StoredSettings, ALowerCaseDirectoryWithABackslashIsShownInUpperCaseWithoutItAndCounted) {
    Scenario run;
    run.prepare(1, 1, 0);
    const std::string settings = quotedSettings(lower(run.folder.cacheUtf8()) + "\\", 1, 1, 0);
    run.folder.write(L"tidew.ini", settings);
    const auto browser = run.folder.read(L"user.ini");
    EXPECT_EQ(run.startUp(), Texts{});
    EXPECT_EQ(run.text(Element::CacheDir), upper(run.folder.cacheUtf8()));
    EXPECT_EQ(run.counts(), Scenario::kFilledCounts);
    EXPECT_EQ(run.caption(), kMain);
    EXPECT_FALSE(run.visible(Element::Manual));
    EXPECT_EQ(filesIn(run.folder.cache()), (Texts{"a.jpg", "b.gif", "c.htm", "d.dat"}))
        << "the probe left something behind";
    EXPECT_EQ(run.folder.read(L"tidew.ini"), settings);
    EXPECT_EQ(run.folder.read(L"user.ini"), browser);
}

TEST(StoredSettings, ADriveRootIsShownAsTheBareDriveAndItsFilesAreCounted) {
    const std::wstring root = L"C:";
    const std::wstring stem = L"tidewell-e2e-root-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_EQ(filesIn(root), Texts{}) << "the drive root must hold no files of its own for this scenario";
    struct RootFiles {
        std::wstring a, b;
        ~RootFiles() { DeleteFileW(a.c_str()), DeleteFileW(b.c_str()); }
    } files{root + L"\\" + stem + L".gif", root + L"\\" + stem + L".htm"};
    Scenario run;
    run.folder.write(files.a, "image");
    run.folder.write(files.b, "page");
    run.folder.writeSettings("C:\\", 1, 1, 0);
    run.folder.writeBrowser(narrow(run.folder.browser()));
    EXPECT_EQ(run.startUp(), Texts{});
    EXPECT_EQ(run.text(Element::CacheDir), "C:");
    EXPECT_EQ(run.counts(), (Counts{"1", "1", "0", "2"}));
    EXPECT_FALSE(run.visible(Element::Manual));
    EXPECT_EQ(filesIn(root).size(), 2u) << "the probe left something in the drive root";
}

TEST(StoredSettings, AMissingDirectoryIsReportedAndTheManualPanelOpens) {
    struct Case {
        const char* name;
        bool browserStored;
        std::string caption;
    };
    for (const Case& c : {Case{"browser stored", true, kManualCaption}, Case{"no browser", false, kBothCaption}}) {
        SCOPED_TRACE(c.name);
        Scenario run;
        const std::string missing = run.folder.cacheUtf8() + "\\Gone";
        // Stored switches that differ from the defaults must stay unapplied.
        const std::string settings = quotedSettings(lower(missing) + "\\", 0, 0, 1);
        run.folder.write(L"tidew.ini", settings);
        run.folder.writeBrowser(c.browserStored ? narrow(run.folder.browser()) : "");
        const auto browser = run.folder.read(L"user.ini");

        EXPECT_EQ(run.startUp(), Texts{invalidPathBox(upper(missing))});
        EXPECT_EQ(run.caption(), c.caption);
        EXPECT_TRUE(run.visible(Element::Manual));
        EXPECT_EQ(run.visible(Element::NewBrowser), !c.browserStored);
        EXPECT_TRUE(run.onTop(Element::ManualCache));
        EXPECT_EQ(run.text(Element::CacheDir), upper(missing));
        EXPECT_EQ(run.text(Element::ManualCache), "");
        EXPECT_EQ(run.counts(), kNoCounts);
        EXPECT_EQ(run.text(Element::AO), "Clean");
        EXPECT_EQ(run.text(Element::BO), "Clean");
        EXPECT_EQ(run.session->checkValue(Element::CO), BST_UNCHECKED);
        EXPECT_EQ(run.folder.read(L"tidew.ini"), settings);
        EXPECT_EQ(run.folder.read(L"user.ini"), browser);
    }
}

TEST(StoredSettings, SwitchValuesAreAppliedOrEndThePreparationQuietly) {
    struct Case {
        const char* name;
        int images, html, unknown;
        Texts boxes;
        int ao, bo, co;
        Counts counts;
    };
    const Case cases[] = {
        {"images preserved, documents cleaned", 0, 1, 0, {}, 0, 1, 0, Scenario::kFilledCounts},
        {"unknown types set to 1", 1, 0, 1, {kUnknownTypesBox}, 1, 0, 1, Scenario::kFilledCounts},
        // 7 is no check-box value: BO and CO keep their state, no inventory.
        {"images 7", 7, 0, 1, {}, 1, 1, 0, kNoCounts},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Scenario run;
        run.prepare(c.images, c.html, c.unknown);
        const auto browser = run.folder.read(L"user.ini");
        EXPECT_EQ(run.startUp(), c.boxes);
        EXPECT_EQ(run.text(Element::CacheDir), upper(run.folder.cacheUtf8()));
        EXPECT_EQ(run.caption(), kMain);
        for (const auto& [box, value] : {std::pair{Element::AO, c.ao}, std::pair{Element::BO, c.bo}}) {
            SCOPED_TRACE(specOf(box).name);
            EXPECT_EQ(run.session->checkValue(box), value);
            EXPECT_EQ(run.text(box), value == 1 ? "Clean" : "Preserve");
            EXPECT_TRUE(run.session->showsColour(box, value == 1 ? kGreen : kDarkRed));
        }
        EXPECT_EQ(run.session->checkValue(Element::CO), c.co);
        EXPECT_EQ(run.text(Element::CO), "Preserve");
        EXPECT_EQ(run.counts(), c.counts);
        EXPECT_EQ(run.folder.read(L"user.ini"), browser);
    }
}

class ManualPanel : public ::testing::Test {
protected:
    void SetUp() override {
        run.prepare(0, 0, 0);
        // The list is filled when the window loads, so this must exist before.
        sub = run.folder.dir() + L"\\Sub Folder";
        CreateDirectoryW(sub.c_str(), nullptr);
        other = run.folder.root() + L"\\Other Cache";
        CreateDirectoryW(other.c_str(), nullptr);
        for (const wchar_t* name : {L"x.gif", L"y.htm", L"z.htm"}) run.folder.write(other + L"\\" + name, "data");
        ASSERT_EQ(run.startUp(), Texts{});
        ASSERT_NO_FATAL_FAILURE(run.openManualPanel());
    }

    Scenario run;
    std::wstring other, sub;
};

TEST_F(ManualPanel, SavingAnExistingDirectoryStoresItAsTypedAndRedoesTheInventory) {
    const std::string typed = lower(narrow(other)) + "\\";
    run.type(Element::ManualCache, typed);
    run.session->click(Element::cmdSaveManualCache);
    EXPECT_EQ(run.answerOnlyBox(), kAcceptedBox);
    EXPECT_TRUE(waitFor([&] { return run.counts() == Counts{"1", "2", "0", "3"}; }))
        << "counts after the save: " << ::testing::PrintToString(run.counts());
    EXPECT_EQ(run.text(Element::CacheDir), upper(narrow(other)));
    EXPECT_EQ(run.folder.read(L"tidew.ini"), quotedSettings(typed, 1, 1, 0));
    EXPECT_FALSE(run.visible(Element::Manual));
    EXPECT_EQ(run.caption(), kMain);
    EXPECT_EQ(run.text(Element::AO), "Clean");
    EXPECT_EQ(run.text(Element::BO), "Clean");
    EXPECT_EQ(filesIn(other), (Texts{"x.gif", "y.htm", "z.htm"}));
    EXPECT_EQ(filesIn(run.folder.dir()), (Texts{"Tidewell32.exe", "browser.exe", "tidew.ini", "user.ini"}));
}

TEST_F(ManualPanel, SaveRefusesAnEmptyOrMissingDirectoryAndThePanelStays) {
    const std::string missing = narrow(other) + "\\Gone";
    struct Case {
        const char* name;
        std::string typed;
        std::string box;
    };
    const Case cases[] = {
        {"empty", "", kEmptyEntryBox},
        {"missing", lower(missing) + "\\", invalidPathBox(upper(missing))},
    };
    const auto settings = run.folder.read(L"tidew.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        run.type(Element::ManualCache, c.typed);
        run.session->click(Element::cmdSaveManualCache);
        EXPECT_EQ(run.answerOnlyBox(), c.box);
        EXPECT_EQ(run.text(Element::ManualCache), "");
        EXPECT_TRUE(run.visible(Element::Manual));
        EXPECT_EQ(run.caption(), kManualCaption);
        EXPECT_EQ(run.text(Element::CacheDir), upper(run.folder.cacheUtf8()));
        EXPECT_EQ(run.counts(), Scenario::kFilledCounts);
        EXPECT_EQ(run.text(Element::AO), "Preserve");
        EXPECT_EQ(run.folder.read(L"tidew.ini"), settings);
    }
}

TEST_F(ManualPanel, DoubleClickingADirectoryOfTheListPutsItsPathInTheField) {
    run.session->click(Element::cmdBrowseManual);
    ASSERT_TRUE(waitFor([&] { return run.visible(Element::Dir1); })) << "\"&Find\" did not show the list";
    HWND list = run.session->find(Element::Dir1);
    const std::wstring& root = run.folder.root();
    struct Step {
        std::string label;  // as the list shows the directory
        std::wstring path;
    };
    const Step steps[] = {
        {"Sub Folder", sub},                                 // a subdirectory of the program folder
        {narrow(root.substr(root.rfind(L'\\') + 1)), root},  // an ancestor
        {"C:\\", L"C:\\"},                                   // the drive root
    };
    // The field starts with the list's directory: the program folder.
    EXPECT_EQ(run.text(Element::ManualCache), narrow(run.folder.dir()));
    for (const Step& step : steps) {
        SCOPED_TRACE(step.label);
        const int index = listIndexOf(list, step.label);
        ASSERT_GE(index, 0) << "the list does not show " << step.label;
        doubleClickItem(list, index);
        ASSERT_TRUE(waitFor([&] { return run.text(Element::ManualCache) == narrow(step.path); }, 5s))
            << "the field holds " << run.text(Element::ManualCache);
    }
    EXPECT_TRUE(run.visible(Element::Manual));
}

TEST(CacheProbe, AUsersOwnTestXxxKeepsItsContentAndNothingIsLeftBehind) {
    Scenario run;
    run.prepare(1, 1, 0);
    run.folder.write(run.folder.cache() + L"\\test.xxx", "the user's own");
    const Texts before = filesIn(run.folder.cache());
    EXPECT_EQ(run.startUp(), Texts{});
    EXPECT_EQ(run.counts(), (Counts{"2", "1", "2", "5"}));
    EXPECT_EQ(run.folder.read(run.folder.cache() + L"\\test.xxx"), "the user's own");
    EXPECT_EQ(filesIn(run.folder.cache()), before);

    // The check of the manual panel probes the same way.
    ASSERT_NO_FATAL_FAILURE(run.openManualPanel());
    run.type(Element::ManualCache, run.folder.cacheUtf8());
    run.session->click(Element::cmdSaveManualCache);
    EXPECT_EQ(run.answerOnlyBox(), kAcceptedBox);
    EXPECT_TRUE(waitFor([&] { return !run.visible(Element::Manual) && run.counts()[3] == "5"; }));
    EXPECT_EQ(run.folder.read(run.folder.cache() + L"\\test.xxx"), "the user's own");
    EXPECT_EQ(filesIn(run.folder.cache()), before);
}

}  // namespace
}  // namespace tw::e2e
