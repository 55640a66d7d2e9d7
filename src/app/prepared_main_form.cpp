#include "app/prepared_main_form.h"

#include "common/path.h"
#include "common/runtime_error.h"
#include "common/text.h"
#include "settings/settings_file.h"
#include "ui/messages.h"

#include <optional>
#include <string>

namespace tw {

void PreparedMainForm::LoadReaction() {
    try {
        LineBreak = kLineBreak;
        AppDir = joinPath(fs_.programDirectory(), "");
        // A write of the settings killed part-way leaves its temporary file,
        // which nothing else would ever remove.
        for (std::string_view file : {kUserIni, kTidewIni}) fs_.removeInterruptedReplacements(joinPath(AppDir, file));
        SetDir1Path(fs_.programDirectory());
        TotalFiles = 0;
        for (Element field : {Element::TotalCount, Element::CacheSize, Element::CacheUnit,
                              Element::ImageCount, Element::HTMLCount, Element::XCount})
            screen_.setText(field, "");
        SetSwitch(Element::CO, 0);
        HTMLFiles = 0;
        ImageFiles = 0;

        ReadBrowserPath();
        if (BrowserPath.empty())
            OpenBrowserPanel();
        else
            screen_.setText(Element::Browser, BrowserPath);

        FirstThing();
    } catch (const RuntimeError&) {
        // The preparation ends where it stood; the window is shown as it is.
    }
}

void PreparedMainForm::ReadBrowserPath() {
    const std::string path = joinPath(AppDir, kUserIni);
    std::string content;
    try {
        content = fs_.readTextFile(path);
    } catch (const RuntimeError& e) {
        if (e.number() != err::FileNotFound) throw;
        try {
            fs_.createEmptyFile(path);
        } catch (const RuntimeError&) {
            // A program folder that cannot be written: go on as with an empty
            // file; the end of the run says that the settings were not saved.
        }
    }
    try {
        BrowserPath = FieldReader(content).readText();
    } catch (const RuntimeError& e) {
        // An empty file leaves the path as it was.
        if (e.number() != err::InputPastEndOfFile) throw;
    }
}

void PreparedMainForm::FirstThing() {
    try {
        std::string content;
        try {
            content = fs_.readTextFile(joinPath(AppDir, kTidewIni));
        } catch (const RuntimeError& e) {
            // No settings yet (the first start): the user names the directory.
            if (e.number() != err::FileNotFound) throw;
            if (!screen_.visible(Element::Manual)) CacheNotFound();
            return;
        }
        FieldReader reader(content);
        const GeneralValue directory = reader.readGeneral();
        const GeneralValue images = reader.readGeneral();
        const GeneralValue html = reader.readGeneral();
        const GeneralValue unknown = reader.readGeneral();

        std::string value1 = directory.text();
        CheckCacheDir(value1);
        if (CacheDirOK == 0) CacheNotFound();

        // The check has upper-cased value1 already; CacheDir shows the upper
        // case of its own accord, whatever the check does with its argument.
        screen_.setText(Element::CacheDir, upperCase(value1));
        const std::string shown = screen_.text(Element::CacheDir);
        File1.setPath(endsWith(shown, ":") ? shown + "\\" : shown);
        // The check took off one trailing backslash only: a directory stored
        // with two still ends in one, and must not get another.
        const std::string fileboxpath = joinPath(value1, "");

        SetSwitch(Element::AO, images.toInt16());
        SetSwitch(Element::BO, html.toInt16());
        SetSwitch(Element::CO, unknown.toInt16());

        CacheInformation(fileboxpath);
    } catch (const RuntimeError& e) {
        switch (e.number()) {
        case err::PathNotFound:
            if (!screen_.visible(Element::Manual)) CacheNotFound();
            break;
        case err::FileNotFound:
        case err::InputPastEndOfFile:
            showMessage(dialogs_, Message::ErrNumber, {std::to_string(e.number())});
            break;
        default:
            break;  // the preparation ends quietly
        }
    }
}

}  // namespace tw
