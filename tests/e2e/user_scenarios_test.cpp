// What a user does from start to end: a full run that cleans and starts the
// browser, and the panels and boxes reached by clicks and access keys.
#include "session.h"

#include <gtest/gtest.h>


namespace tw::e2e {
namespace {

// What the stand-in browser at `path` records when started as it should be:
// maximised, with its own path as the one argument.
std::string startedAsBrowser(const std::string& path) {
    return "command line: \"" + path + "\"\r\nshow style: 3\r\nargument: " + path + "\r\n";
}

std::optional<std::string> browserRecord(const ProgramFolder& folder, const std::wstring& browserFolder) {
    std::optional<std::string> record;
    EXPECT_TRUE(waitFor([&] { return (record = folder.read(browserFolder + L"\\browser_started.txt")).has_value(); }))
        << "the browser did not record its start";
    return record;
}

TEST(FullRun, CleansTheCleanKindsStartsTheBrowserMaximisedAndStoresBothSettingsFiles) {
    ProgramFolder folder;
    struct CacheFile { const wchar_t* name; bool deleted; };
    const CacheFile files[] = {{L"photo.jpg", true}, {L"anim.gif", true},  {L"page.htm", true},
                               {L"SHOUT.JPG", false}, {L"data.dat", false}, {L"doc.html", false}};
    for (const CacheFile& file : files) folder.addCacheFile(file.name);
    folder.writeSettings(folder.cacheUtf8(), 1, 0);
    folder.writeBrowser(narrow(folder.browser()));
    Session session(folder);
    ASSERT_TRUE(session.waitReady()) << "the main window did not come up";
    folder.remove(L"tidew.ini");
    folder.remove(L"user.ini");
    session.click(Element::BO);
    ASSERT_TRUE(waitFor([&] { return session.checkValue(Element::BO) == BST_CHECKED; }));
    session.press('t');  // "&Tidewell"
    ASSERT_TRUE(session.program().waitForExit()) << "the program did not end";
    for (const CacheFile& file : files) EXPECT_EQ(folder.cacheHas(file.name), !file.deleted) << narrow(file.name);
    // The browser's path has a blank ("Program Folder"): it must arrive whole.
    EXPECT_EQ(browserRecord(folder, folder.dir()), startedAsBrowser(narrow(folder.browser())));
    std::wstring cache = widen(folder.cacheUtf8());  // upper-cased by the system, not by the program's own rule
    EXPECT_EQ(folder.read(L"tidew.ini"), '"' + narrow(CharUpperW(cache.data())) + "\"\r\n1\r\n1\r\n0\r\n");
    EXPECT_EQ(folder.read(L"user.ini"), '"' + narrow(folder.browser()) + "\"\r\n");
}

TEST(Panels, ManualPanelTakesAnExistingDirectoryAndBrowserPanelRefusesAnEmptyPath) {
    ProgramFolder folder;
    const std::wstring other = folder.root() + L"\\Other Cache", navigator = folder.root() + L"\\navigator.exe";
    CreateDirectoryW(other.c_str(), nullptr);
    for (const wchar_t* name : {L"x.gif", L"y.htm", L"z.htm"}) folder.write(other + L"\\" + name, "data");
    ASSERT_TRUE(CopyFileW(folder.browser().c_str(), navigator.c_str(), FALSE));
    folder.writeSettings(folder.cacheUtf8(), 1, 1);
    folder.writeBrowser(narrow(navigator));
    Session session(folder);
    ASSERT_TRUE(session.waitReady()) << "the main window did not come up";

    session.click(Element::cmdChange);
    ASSERT_TRUE(waitFor([&] { return session.visible(Element::Manual); }));
    session.type(Element::ManualCache, narrow(other) + "\\Gone");
    session.click(Element::cmdSaveManualCache);
    EXPECT_EQ(session.answerBox(IDOK).caption, "Invalid Path Specified");
    EXPECT_TRUE(session.visible(Element::Manual));
    session.type(Element::ManualCache, narrow(other));
    session.press('s');  // "&Save" of the manual panel
    EXPECT_EQ(session.answerBox(IDOK).caption, "New Settings Accepted");
    EXPECT_TRUE(waitFor([&] { return !session.visible(Element::Manual) && session.text(Element::HTMLCount) == "2"; }))
        << "the inventory was not redone";

    session.menu(Element::menuSetBrowser);
    ASSERT_TRUE(waitFor([&] { return session.visible(Element::NewBrowser); }));
    session.press('i');  // "F&ind": no file was chosen in this run, so cancelling empties the field
    session.answerBox(IDCANCEL);
    session.press('s');  // "&Save" of the browser panel
    const BoxContent warning = session.answerBox(IDOK);
    EXPECT_EQ(warning.caption + ": " + warning.text,
              "No browser selected: You must select a browser! Please try again.");
    EXPECT_TRUE(session.visible(Element::NewBrowser));
    session.type(Element::Browser, "C:\\elsewhere\\browser.exe");
    session.press('n');  // "Ca&ncel"
    ASSERT_TRUE(waitFor([&] { return !session.visible(Element::NewBrowser); }));

    // Skipping the cleaning starts the browser stored at start-up, a path without blanks.
    session.press('s');  // "&Skip Cleaning", no panel over it
    ASSERT_TRUE(session.program().waitForExit()) << "the program did not end";
    EXPECT_EQ(browserRecord(folder, folder.root()), startedAsBrowser(narrow(navigator)));
}

}  // namespace
}  // namespace tw::e2e
