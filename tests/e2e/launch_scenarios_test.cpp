// The ways out of the program (the four ending buttons and the title bar),
// starting the browser, the browser selection panel and the About box, driven
// from outside as a user would.
#include "session.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

namespace tw::e2e {
namespace {

constexpr int kFileNameBox = 0x47C;
constexpr int kFileTypeBox = 0x470;
// How long a browser that should not start gets to show up anyway.
constexpr auto kNoLaunchGrace = 500ms;

enum class Kind { Image, Html, Other };
struct CacheFile {
    const wchar_t* name;
    Kind kind;
};
// Only the exact lower-case endings count; the rest must survive any cleaning.
constexpr CacheFile kCacheFiles[] = {
    {L"photo.jpg", Kind::Image}, {L"anim.gif", Kind::Image},   {L"page.htm", Kind::Html},
    {L"SHOUT.JPG", Kind::Other}, {L"Logo.Gif", Kind::Other},   {L"doc.html", Kind::Other},
    {L"data.dat", Kind::Other},  {L"index.HTM", Kind::Other},
};

std::string withCase(std::string s, int (*change)(int)) {
    for (char& c : s) c = static_cast<char>(change(static_cast<unsigned char>(c)));
    return s;
}

void setText(HWND window, const std::string& text) {
    const std::wstring wide = widen(text);
    SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
}

// One "label: value" line of the stand-in browser's record.
std::string recordLine(const std::string& record, const std::string& label) {
    const auto at = record.find(label + ": ");
    if (at == std::string::npos) return "<no " + label + " line>";
    const auto start = at + label.size() + 2;
    return record.substr(start, record.find("\r\n", start) - start);
}

// The record a stand-in browser started from `place` writes beside itself.
std::optional<std::string> launchRecord(const ProgramFolder& folder, const std::wstring& place,
                                        std::chrono::milliseconds limit) {
    std::optional<std::string> record;
    waitFor([&] { return (record = folder.read(place + L"\\browser_started.txt")).has_value(); }, limit);
    return record;
}

void expectLaunch(const std::optional<std::string>& record, const std::string& commandLine,
                  const std::string& program) {
    ASSERT_TRUE(record.has_value()) << "the browser did not start";
    EXPECT_EQ(recordLine(*record, "command line"), commandLine);
    EXPECT_EQ(recordLine(*record, "program"), program);
    EXPECT_EQ(recordLine(*record, "show style"), "3") << "not started maximised with focus";
}

std::string storedBrowser(const std::string& path) { return "\"" + path + "\"\r\n"; }

class Scenario : public ::testing::Test {
protected:
    void TearDown() override {
        if (session && session->program().running()) session->program().kill();
    }

    void prepare(int images, int html, const std::optional<std::string>& browserPath) {
        for (const CacheFile& file : kCacheFiles) folder.addCacheFile(file.name);
        folder.writeSettings(folder.cacheUtf8(), images, html);
        if (browserPath) folder.writeBrowser(*browserPath);
    }

    void start() {
        session = std::make_unique<Session>(folder);
        ASSERT_TRUE(session->waitReady()) << "the main window did not come up";
    }

    std::string browser() const { return narrow(folder.browser()); }

    std::string storedSettings(int images, int html) const {
        return "\"" + withCase(folder.cacheUtf8(), ::toupper) + "\"\r\n" + std::to_string(images) + "\r\n" +
               std::to_string(html) + "\r\n0\r\n";
    }

    void expectCache(bool imagesGone, bool htmlGone) const {
        for (const CacheFile& file : kCacheFiles) {
            const bool gone = (file.kind == Kind::Image && imagesGone) || (file.kind == Kind::Html && htmlGone);
            EXPECT_EQ(folder.cacheHas(file.name), !gone) << narrow(file.name) << (gone ? " survived" : " was deleted");
        }
    }

    void expectEnded() {
        ASSERT_TRUE(session->program().waitForExit().has_value()) << "the program did not end";
    }

    void expectNoLaunch() const {
        EXPECT_FALSE(launchRecord(folder, folder.dir(), kNoLaunchGrace).has_value()) << "the browser was started";
    }

    void expectLaunchOf(const std::string& commandLine) const {
        expectLaunch(launchRecord(folder, folder.dir(), kDefaultWait), commandLine, browser());
    }

    HWND box() { return session->program().waitForMessageBox(); }

    ProgramFolder folder;
    std::unique_ptr<Session> session;
};

enum class Ending { Tidewell, SkipCleaning, CleanAndExit, Close, TitleBar };
constexpr const char* kEndingNames[] = {"Tidewell", "SkipCleaning", "CleanAndExit", "Close", "TitleBar"};

struct EndingCase {
    Ending ending;
    int images, html;
    // Stored as the opposite and switched by a click, or stored as wanted.
    bool byClick;
};

std::string caseName(const EndingCase& c) {
    return std::string(kEndingNames[static_cast<int>(c.ending)]) + "_Images" + (c.images ? "Clean" : "Preserve") +
           "_Html" + (c.html ? "Clean" : "Preserve") + (c.byClick ? "_Clicked" : "_Stored");
}

void PrintTo(const EndingCase& c, std::ostream* out) { *out << caseName(c); }

std::vector<EndingCase> allEndingCases() {
    std::vector<EndingCase> cases;
    for (int e = 0; e < 5; ++e)
        for (int combo = 0; combo < 4; ++combo)
            cases.push_back({static_cast<Ending>(e), combo >> 1, combo & 1, (e + combo) % 2 == 1});
    return cases;
}

class EndingButtons : public Scenario, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(EndingButtons, CleanTheChosenKindsStartTheBrowserAndStoreTheSettingsAsTheButtonSays) {
    const EndingCase c = GetParam();
    prepare(c.byClick ? 1 - c.images : c.images, c.byClick ? 1 - c.html : c.html, browser());
    ASSERT_NO_FATAL_FAILURE(start());
    if (c.byClick) {
        session->click(Element::AO);
        session->click(Element::BO);
    }
    ASSERT_TRUE(waitFor([&] {
        return session->checkValue(Element::AO) == c.images && session->checkValue(Element::BO) == c.html;
    })) << "the switches did not reach their state";

    const bool cleans = c.ending == Ending::Tidewell || c.ending == Ending::CleanAndExit;
    const bool launches = c.ending == Ending::Tidewell || c.ending == Ending::SkipCleaning;
    switch (c.ending) {
        case Ending::Tidewell: session->click(Element::cmdClean); break;
        case Ending::SkipCleaning: session->click(Element::cmdLaunchBrowser); break;
        case Ending::Close: session->click(Element::cmdExit); break;
        case Ending::TitleBar: PostMessageW(session->main(), WM_CLOSE, 0, 0); break;
        case Ending::CleanAndExit: {
            session->click(Element::cmdCleanExit);
            HWND question = box();
            ASSERT_NE(question, nullptr) << "no question after the cleaning";
            const BoxContent content = readMessageBox(question);
            EXPECT_EQ(content.caption, "Job Done");
            EXPECT_EQ(content.text, "Cleaning Done.  OK to Exit?");
            EXPECT_TRUE(GetDlgItem(question, IDYES) && GetDlgItem(question, IDNO)) << "not a Yes/No question";
            // The cleaning is over before the question is asked.
            expectCache(c.images == 1, c.html == 1);
            answerMessageBox(question, IDYES);
            break;
        }
    }
    ASSERT_NO_FATAL_FAILURE(expectEnded());
    expectCache(cleans && c.images == 1, cleans && c.html == 1);
    EXPECT_EQ(folder.read(L"tidew.ini"), storedSettings(c.images, c.html));
    EXPECT_EQ(folder.read(L"user.ini"), storedBrowser(browser()));
    if (launches) {
        // The program folder's name holds a space; the path goes unquoted.
        expectLaunchOf(browser());
    } else {
        expectNoLaunch();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryButtonAndSwitchState, EndingButtons, ::testing::ValuesIn(allEndingCases()),
                         [](const ::testing::TestParamInfo<EndingCase>& info) { return caseName(info.param); });

class BrowserLaunch : public Scenario {};

TEST_F(BrowserLaunch, JobDoneAnsweredNoKeepsRunningAndSkipCleaningThenDeletesNothingMore) {
    prepare(1, 0, browser());
    ASSERT_NO_FATAL_FAILURE(start());
    folder.remove(L"tidew.ini");
    session->click(Element::cmdCleanExit);
    const BoxContent question = session->answerBox(IDNO);
    EXPECT_EQ(question.caption, "Job Done");
    Sleep(200);
    ASSERT_TRUE(session->program().running()) << "No ended the program";
    EXPECT_EQ(session->program().messageBox(), nullptr) << "another box followed the answer No";
    EXPECT_FALSE(IsIconic(session->main()));
    expectCache(true, false);
    EXPECT_EQ(session->text(Element::ImageCount), "2") << "the counts must still show the inventory";
    EXPECT_FALSE(folder.read(L"tidew.ini").has_value()) << "settings stored although No was answered";

    // Were the images cleaned again, this file of the same name would go too.
    folder.addCacheFile(L"photo.jpg");
    session->click(Element::BO);
    ASSERT_TRUE(waitFor([&] { return session->checkValue(Element::BO) == 1; }));
    session->click(Element::cmdLaunchBrowser);
    ASSERT_NO_FATAL_FAILURE(expectEnded());
    EXPECT_TRUE(folder.cacheHas(L"photo.jpg"));
    EXPECT_FALSE(folder.cacheHas(L"anim.gif"));
    EXPECT_TRUE(folder.cacheHas(L"page.htm")) << "skipping the cleaning deleted HTML documents";
    EXPECT_EQ(folder.read(L"tidew.ini"), storedSettings(1, 1));
    expectLaunchOf(browser());
}

TEST_F(BrowserLaunch, StartsTheStoredTextWholeAndStoresTheTypedPath) {
    struct Row {
        const char* what;
        bool besideRoot;
        const char* arguments;
    };
    const Row rows[] = {
        // With "<root>\\Program.exe" present, the unquoted path would start it
        // unless the path is handed over as the program to run.
        {"a path with a space and a program named after its first word", false, ""},
        // Not a file as a whole: the platform finds the program itself. Wine
        // quotes a found program whose path has a space, so this one has none.
        {"a command line with arguments", true, " -new window"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ProgramFolder here;
        const std::wstring program = row.besideRoot ? here.root() + L"\\navigator.exe" : here.browser();
        for (const std::wstring& copy : {here.root() + L"\\Program.exe", here.root() + L"\\navigator.exe"})
            ASSERT_TRUE(CopyFileW(here.browser().c_str(), copy.c_str(), FALSE));
        const std::string commandLine = narrow(program) + row.arguments;
        here.writeSettings(here.cacheUtf8(), 0, 0);
        here.writeBrowser(commandLine);
        Session run(here);
        ASSERT_TRUE(run.waitReady()) << "the main window did not come up";
        // Typed, never saved: stored at the end, yet not what is started.
        setText(run.find(Element::Browser), "C:\\typed\\navigator.exe");
        run.click(Element::cmdLaunchBrowser);
        ASSERT_TRUE(run.program().waitForExit().has_value()) << "the program did not end";

        expectLaunch(launchRecord(here, row.besideRoot ? here.root() : here.dir(), kDefaultWait), commandLine,
                     narrow(program));
        EXPECT_FALSE(launchRecord(here, row.besideRoot ? here.dir() : here.root(), 0ms)) << "another program ran";
        EXPECT_EQ(here.read(L"user.ini"), storedBrowser("C:\\typed\\navigator.exe"));
    }
}

TEST_F(BrowserLaunch, MissingBrowserIsReportedThenTheSettingsAreStoredAndTheProgramEnds) {
    const std::string missing = narrow(folder.dir()) + "\\no such browser.exe";
    for (const Element button : {Element::cmdLaunchBrowser, Element::cmdClean}) {
        SCOPED_TRACE(specOf(button).name);
        prepare(1, 1, missing);
        ASSERT_NO_FATAL_FAILURE(start());
        folder.remove(L"tidew.ini");
        folder.remove(L"user.ini");
        session->click(button);
        HWND report = box();
        ASSERT_NE(report, nullptr) << "the failed start was not reported";
        EXPECT_TRUE(IsWindowVisible(session->main()) && !IsIconic(session->main())) << "the window stayed minimised";
        const BoxContent content = readMessageBox(report);
        EXPECT_EQ(content.caption, "Tidewell 32");
        EXPECT_NE(content.text.find(missing), std::string::npos) << content.text;
        const std::string text = withCase(content.text, ::tolower);
        EXPECT_TRUE(text.find("not found") != text.npos || text.find("cannot find") != text.npos)
            << "no reason given: " << content.text;
        EXPECT_FALSE(folder.read(L"tidew.ini") || folder.read(L"user.ini")) << "settings stored before the answer";
        answerMessageBox(report, IDOK);
        ASSERT_NO_FATAL_FAILURE(expectEnded());
        expectCache(button == Element::cmdClean, button == Element::cmdClean);
        EXPECT_EQ(folder.read(L"tidew.ini"), storedSettings(1, 1));
        EXPECT_EQ(folder.read(L"user.ini"), storedBrowser(missing));
        expectNoLaunch();
    }
}

TEST_F(BrowserLaunch, PathOnlySavedInThisRunIsNotStartedButKept) {
    prepare(0, 0, std::nullopt);
    ASSERT_NO_FATAL_FAILURE(start());
    ASSERT_TRUE(waitFor([&] { return session->visible(Element::NewBrowser); })) << "no browser panel without user.ini";
    EXPECT_EQ(windowText(session->main()), "Tidewell 32 - Select a Browser");
    setText(session->find(Element::Browser), browser());
    session->click(Element::cmdSaveBrowser);
    ASSERT_TRUE(waitFor([&] { return !session->visible(Element::NewBrowser); })) << "the panel stayed open";
    EXPECT_EQ(folder.read(L"user.ini"), storedBrowser(browser()));

    session->click(Element::cmdLaunchBrowser);
    const BoxContent report = session->answerBox(IDOK);
    EXPECT_EQ(report.caption, "Tidewell 32");
    EXPECT_NE(withCase(report.text, ::tolower).find("browser"), std::string::npos) << report.text;
    ASSERT_NO_FATAL_FAILURE(expectEnded());
    expectNoLaunch();
    EXPECT_EQ(folder.read(L"user.ini"), storedBrowser(browser()));
    EXPECT_EQ(folder.read(L"tidew.ini"), storedSettings(0, 0));
}

class BrowserPanel : public Scenario {
protected:
    void openPanel() {
        prepare(1, 1, browser());
        ASSERT_NO_FATAL_FAILURE(start());
        session->menu(Element::menuSetBrowser);
        ASSERT_TRUE(waitFor([&] { return session->visible(Element::NewBrowser); })) << "the panel did not open";
    }

    // Runs "F&ind" once: picks `choice` in the open-file dialog, or cancels it.
    void find(const std::optional<std::string>& choice) {
        session->click(Element::cmdFindBrowser);
        HWND dialog = box();
        ASSERT_NE(dialog, nullptr) << "no file dialog";
        EXPECT_EQ(windowText(GetDlgItem(dialog, kFileTypeBox)), "Netscape Navigator") << "not the first filter entry";
        if (choice) setText(GetDlgItem(dialog, kFileNameBox), *choice);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(choice ? IDOK : IDCANCEL, BN_CLICKED), 0);
        ASSERT_TRUE(waitFor([&] { return !IsWindow(dialog); })) << "the file dialog did not close";
    }

    std::string field() const { return session->text(Element::Browser); }
};

TEST_F(BrowserPanel, FindCancelledPutsBackTheLastChoiceOfThisRunOrNothing) {
    ASSERT_NO_FATAL_FAILURE(openPanel());
    ASSERT_EQ(field(), browser());

    ASSERT_NO_FATAL_FAILURE(find(std::nullopt));
    EXPECT_TRUE(waitFor([&] { return field().empty(); })) << "cancel before any choice left " << field();

    ASSERT_NO_FATAL_FAILURE(find(browser()));
    EXPECT_TRUE(waitFor([&] { return field() == browser(); })) << "the choice was not taken: " << field();

    setText(session->find(Element::Browser), "C:\\typed\\navigator.exe");
    ASSERT_NO_FATAL_FAILURE(find(std::nullopt));
    EXPECT_TRUE(waitFor([&] { return field() == browser(); })) << "cancel after a choice left " << field();
    EXPECT_TRUE(session->visible(Element::NewBrowser));
    EXPECT_EQ(folder.read(L"user.ini"), storedBrowser(browser())) << "Find wrote the settings";
}

TEST_F(BrowserPanel, SaveOrCancelWithAnEmptyFieldWarnsAndKeepsThePanelOpen) {
    ASSERT_NO_FATAL_FAILURE(openPanel());
    setText(session->find(Element::Browser), "");
    for (const Element button : {Element::cmdSaveBrowser, Element::cmdCancelBrowser}) {
        SCOPED_TRACE(specOf(button).name);
        session->click(button);
        const BoxContent warning = session->answerBox(IDOK);
        EXPECT_EQ(warning.caption, "No browser selected");
        EXPECT_EQ(warning.text, "You must select a browser! Please try again.");
        Sleep(200);
        EXPECT_EQ(session->program().messageBox(), nullptr) << "a second box followed";
        EXPECT_TRUE(session->visible(Element::NewBrowser));
        EXPECT_EQ(windowText(session->main()), "Tidewell 32 - Select a Browser");
        // The empty field is written as one empty line even so.
        EXPECT_EQ(folder.read(L"user.ini"), "\"\"\r\n");
    }
    // Only the empty text counts as no browser.
    setText(session->find(Element::Browser), "   ");
    session->click(Element::cmdCancelBrowser);
    EXPECT_TRUE(waitFor([&] { return !session->visible(Element::NewBrowser); })) << "spaces were refused";
    EXPECT_EQ(windowText(session->main()), "Tidewell 32");
}

class AboutBox : public Scenario {};

TEST_F(AboutBox, ShowsItsTextFromEveryViewAndChangesNothing) {
    prepare(1, 0, browser());
    ASSERT_NO_FATAL_FAILURE(start());
    struct View {
        const char* name;
        std::function<void()> open, close;
        Element shown;
        std::string caption;
    };
    const View views[] = {
        {"main view", [] {}, [] {}, Element::Frame1, "Tidewell 32"},
        {"manual panel", [&] { session->click(Element::cmdChange); }, [&] { session->click(Element::cmdExitManual); },
         Element::Manual, "Tidewell 32 - Manual Configuration"},
        {"browser panel", [&] { session->menu(Element::menuSetBrowser); },
         [&] { session->click(Element::cmdCancelBrowser); }, Element::NewBrowser, "Tidewell 32 - Select a Browser"},
    };
    const std::optional<std::string> settingsBefore = folder.read(L"tidew.ini");
    for (const View& view : views) {
        SCOPED_TRACE(view.name);
        view.open();
        const auto opened = [&] { return session->visible(view.shown) && windowText(session->main()) == view.caption; };
        ASSERT_TRUE(waitFor(opened)) << "the view did not open";
        const bool manual = session->visible(Element::Manual), panel = session->visible(Element::NewBrowser);

        session->menu(Element::menuAbout);
        const BoxContent about = session->answerBox(IDOK);
        EXPECT_EQ(about.caption, "About Tidewell");
        EXPECT_EQ(about.text.rfind("Tidewell 32 - Cache Management System\r\n", 0), 0u) << about.text;
        EXPECT_NE(about.text.find("1.00.0001"), std::string::npos) << about.text;

        Sleep(200);
        EXPECT_EQ(session->program().messageBox(), nullptr) << "a second box followed";
        EXPECT_TRUE(session->program().running());
        EXPECT_EQ(windowText(session->main()), view.caption);
        EXPECT_EQ(session->visible(Element::Manual), manual);
        EXPECT_EQ(session->visible(Element::NewBrowser), panel);
        EXPECT_EQ(session->text(Element::AO), "Clean");
        EXPECT_EQ(session->text(Element::BO), "Preserve");
        view.close();
        ASSERT_TRUE(waitFor([&] { return windowText(session->main()) == "Tidewell 32"; })) << "the view did not close";
    }
    EXPECT_EQ(folder.read(L"tidew.ini"), settingsBefore);
    EXPECT_EQ(folder.read(L"user.ini"), storedBrowser(browser()));
}

}  // namespace
}  // namespace tw::e2e
