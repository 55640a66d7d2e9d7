#include "ui/accessible_names.h"

#include "common/text.h"
#include "ui/layout.h"

namespace tw {
namespace {

// A label names the field beside it; its colon is only punctuation.
std::string labelWords(Element label) {
    std::string words = readCaption(specOf(label).caption).text;
    if (!words.empty() && words.back() == ':') words.pop_back();
    return words;
}

}  // namespace

std::optional<std::string> accessibleName(Element element, std::string_view caption) {
    switch (element) {
    case Element::CacheDir: return labelWords(Element::Label1);
    case Element::ImageCount: return labelWords(Element::Label2);
    case Element::HTMLCount: return labelWords(Element::Label3);
    case Element::XCount: return labelWords(Element::Label5);
    case Element::TotalCount: return labelWords(Element::Label6);
    case Element::CacheSize: return labelWords(Element::Label7);
    case Element::CacheUnit: return labelWords(Element::Label7) + " unit";
    // A switch's caption is its state (Clean or Preserve); the label beside
    // it says which kind of file it decides on.
    case Element::AO: return labelWords(Element::Label2) + ": " + readCaption(caption).text;
    case Element::BO: return labelWords(Element::Label3) + ": " + readCaption(caption).text;
    case Element::CO: return labelWords(Element::Label5) + ": " + readCaption(caption).text;
    case Element::ManualCache: return "Cache Directory";
    case Element::Browser: return "Browser path";
    case Element::Manual: return "Manual Configuration";
    case Element::NewBrowser: return "Select a Browser";
    case Element::Frame1: return readCaption(specOf(Element::Frame1).caption).text;
    case Element::Dir1: return "Directories";
    case Element::ProgBar:
    case Element::ProgBar2: return "Progress";
    // Status text is shown as it is: an "&" in it is no access key.
    case Element::Sbar: return caption.empty() ? std::nullopt : std::optional<std::string>(caption);
    default: return std::nullopt;
    }
}

AccessibleRole accessibleRole(Element element) {
    switch (specOf(element).kind) {
    case Kind::PushButton: return AccessibleRole::PushButton;
    case Kind::CheckBox: return AccessibleRole::CheckButton;
    case Kind::TextField: return AccessibleRole::Text;
    case Kind::PicturePanel:
    case Kind::GroupFrame: return AccessibleRole::Grouping;
    case Kind::FileList:
    case Kind::DirList: return AccessibleRole::List;
    case Kind::ProgressBar: return AccessibleRole::ProgressBar;
    case Kind::StatusBar: return AccessibleRole::StatusBar;
    case Kind::Label:
    case Kind::CommonDialog: break;
    }
    return AccessibleRole::StaticText;
}

}  // namespace tw
