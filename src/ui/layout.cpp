#include "ui/layout.h"

#include "ui/title.h"

#include <array>
#include <stdexcept>

namespace tw {
namespace {

using E = Element;
using K = Kind;
namespace s = style;

constexpr std::string_view kLabel4 =
    "In the box below, enter the directory in which your Browser uses as its Cache Directory.  "
    "If you have chosen a location other than your Browser's default location, you must enter it instead.";
constexpr std::string_view kLabel8 =
    "Set your browsers path in the box below.  If you do not know the path, use Find to locate the "
    "program manualy.";

// clang-format off
constexpr std::array kMainElements = {
    //           id                    name                  kind             parent        left  top   width height caption                style                       text colour       back colour             tab picture
    ElementSpec{E::Manual,             "Manual",             K::PicturePanel, E::frmTidewell, {120, 0, 6615, 3375},   "",                    s::Hidden,                  {},               colour::PanelBack,      23, Picture::Manual},
    ElementSpec{E::NewBrowser,         "NewBrowser",         K::PicturePanel, E::frmTidewell, {120, 0, 6615, 3375},   "",                    s::Hidden,                  {},               colour::PanelBack,      32, Picture::Browser},
    ElementSpec{E::cmdCleanExit,       "cmdCleanExit",       K::PushButton,   E::frmTidewell, {120, 2400, 1575, 375}, "Cl&ean and Exit",     s::None,                    {},               {},                     21},
    ElementSpec{E::cmdExit,            "cmdExit",            K::PushButton,   E::frmTidewell, {120, 2880, 1575, 375}, "Cl&ose",              s::None,                    {},               {},                     18},
    ElementSpec{E::cmdLaunchBrowser,   "cmdLaunchBrowser",   K::PushButton,   E::frmTidewell, {120, 1920, 1575, 375}, "&Skip Cleaning",      s::None,                    {},               {},                     17},
    ElementSpec{E::Frame1,             "Frame1",             K::GroupFrame,   E::frmTidewell, {1920, 600, 4815, 2655},"Cache Contents",      s::None,                    colour::Black,    {},                     3},
    ElementSpec{E::cmdChange,          "cmdChange",          K::PushButton,   E::frmTidewell, {5760, 120, 975, 255},  "Change",              s::None,                    {},               {},                     2},
    ElementSpec{E::CacheDir,           "CacheDir",           K::TextField,    E::frmTidewell, {1080, 120, 4575, 285}, "",                    s::ReadOnly,                {},               colour::CacheDirBack,   1},
    ElementSpec{E::cmdClean,           "cmdClean",           K::PushButton,   E::frmTidewell, {120, 720, 1575, 375},  "&Tidewell",           s::None,                    {},               {},                     31},
    ElementSpec{E::File1,              "File1",              K::FileList,     E::frmTidewell, {120, 1200, 1575, 450}, "",                    s::Hidden,                  {},               {},                     22},
    ElementSpec{E::ProgBar,            "ProgBar",            K::ProgressBar,  E::frmTidewell, {3120, 3480, 3375, 180},"",                    s::None,                    {},               {},                     20},
    ElementSpec{E::Sbar,               "Sbar",               K::StatusBar,    E::frmTidewell, {0, 3420, 6825, 270},   "",                    s::DockBottom,              {},               {},                     19},
    ElementSpec{E::Label1,             "Label1",             K::Label,        E::frmTidewell, {120, 120, 855, 255},   "Cache Dir:",          s::None,                    {},               {},                     0},

    ElementSpec{E::Dir1,               "Dir1",               K::DirList,      E::Manual,      {0, 0, 2130, 3180},     "",                    s::Hidden,                  {},               {},                     30},
    ElementSpec{E::cmdExitManual,      "cmdExitManual",      K::PushButton,   E::Manual,      {4080, 1800, 1095, 375},"Ca&ncel",             s::None,                    {},               {},                     29},
    ElementSpec{E::cmdBrowseManual,    "cmdBrowseManual",    K::PushButton,   E::Manual,      {2400, 1800, 1095, 375},"&Find",               s::None,                    {},               {},                     27},
    ElementSpec{E::cmdSaveManualCache, "cmdSaveManualCache", K::PushButton,   E::Manual,      {5280, 1800, 1095, 375},"&Save",               s::None,                    {},               {},                     26},
    ElementSpec{E::ManualCache,        "ManualCache",        K::TextField,    E::Manual,      {2400, 1320, 3975, 285},"",                    s::None,                    {},               {},                     25},
    ElementSpec{E::Label4,             "Label4",             K::Label,        E::Manual,      {2400, 240, 4095, 855}, kLabel4,               s::CentredWrapped,          {},               {},                     24},

    ElementSpec{E::cmdFindBrowser,     "cmdFindBrowser",     K::PushButton,   E::NewBrowser,  {2400, 1560, 1095, 375},"F&ind",               s::None,                    {},               {},                     37},
    ElementSpec{E::cmdCancelBrowser,   "cmdCancelBrowser",   K::PushButton,   E::NewBrowser,  {4200, 1560, 1095, 375},"Ca&ncel",             s::None,                    {},               {},                     36},
    ElementSpec{E::Browser,            "Browser",            K::TextField,    E::NewBrowser,  {2400, 1080, 4095, 285},"",                    s::None,                    {},               {},                     35},
    ElementSpec{E::cmdSaveBrowser,     "cmdSaveBrowser",     K::PushButton,   E::NewBrowser,  {5400, 1560, 1095, 375},"&Save",               s::None,                    {},               {},                     33},
    ElementSpec{E::cd1,                "cd1",                K::CommonDialog, E::NewBrowser,  {},                     "",                    s::Hidden,                  {},               {},                     -1},
    ElementSpec{E::Label8,             "Label8",             K::Label,        E::NewBrowser,  {2400, 240, 4095, 495}, kLabel8,               s::CentredWrapped,          {},               {},                     34},

    ElementSpec{E::CacheUnit,          "CacheUnit",          K::TextField,    E::Frame1,      {4080, 2280, 615, 285}, "",                    s::ReadOnly,                {},               {},                     28},
    ElementSpec{E::AO,                 "AO",                 K::CheckBox,     E::Frame1,      {2520, 600, 2175, 255}, "Clean",               s::Checked,                 colour::Clean,    colour::SwitchBack,     16},
    ElementSpec{E::BO,                 "BO",                 K::CheckBox,     E::Frame1,      {2520, 960, 2175, 255}, "Clean",               s::Checked,                 colour::Clean,    colour::SwitchBack,     15},
    ElementSpec{E::CO,                 "CO",                 K::CheckBox,     E::Frame1,      {2520, 1320, 2175, 255},"Preserve",            s::Disabled,                colour::Preserve, colour::SwitchBack,     14},
    ElementSpec{E::CacheSize,          "CacheSize",          K::TextField,    E::Frame1,      {3000, 2280, 1095, 285}," ",                   s::ReadOnly,                {},               {},                     13},
    ElementSpec{E::TotalCount,         "TotalCount",         K::TextField,    E::Frame1,      {1560, 2280, 735, 285}, " ",                   s::ReadOnly,                {},               {},                     11},
    ElementSpec{E::XCount,             "XCount",             K::TextField,    E::Frame1,      {1560, 1320, 735, 285}, " ",                   s::ReadOnly,                {},               {},                     9},
    ElementSpec{E::HTMLCount,          "HTMLCount",          K::TextField,    E::Frame1,      {1560, 960, 735, 285},  " ",                   s::ReadOnly,                {},               {},                     8},
    ElementSpec{E::ImageCount,         "ImageCount",         K::TextField,    E::Frame1,      {1560, 600, 735, 285},  " ",                   s::ReadOnly,                {},               {},                     7},
    ElementSpec{E::Label7,             "Label7",             K::Label,        E::Frame1,      {2520, 2280, 495, 255}, "Size:",               s::None,                    colour::Blue,     {},                     12},
    ElementSpec{E::Label6,             "Label6",             K::Label,        E::Frame1,      {120, 2280, 615, 255},  "Total:",              s::None,                    colour::Blue,     {},                     10},
    ElementSpec{E::Label5,             "Label5",             K::Label,        E::Frame1,      {120, 1320, 1215, 255}, "Unknown Types:",      s::None,                    {},               {},                     6},
    ElementSpec{E::Label3,             "Label3",             K::Label,        E::Frame1,      {120, 960, 1455, 255},  "HTML Documents:",     s::None,                    {},               {},                     5},
    ElementSpec{E::Label2,             "Label2",             K::Label,        E::Frame1,      {120, 600, 615, 255},   "Images:",             s::None,                    {},               {},                     4},
};

constexpr std::array kStartElements = {
    ElementSpec{E::ProgBar2,           "ProgBar2",           K::ProgressBar,  E::frmStart,    {240, 960, 4020, 315},  "",                    s::None,                    {},               {},                     0},
};

constexpr std::array kForms = {
    FormSpec{E::frmTidewell, "frmTidewell", kAppTitle,    {1755, 1890, 6825, 3690}, Picture::None},
    FormSpec{E::frmStart,    "frmStart",    "Form1",       {2190, 2235, 4500, 1485}, Picture::Start},
};

constexpr std::array kMainMenu = {
    MenuSpec{E::menuSettings,   E::frmTidewell,  "&Settings"},
    MenuSpec{E::menuSetBrowser, E::menuSettings, "Set Browser"},
    MenuSpec{E::menuSetCache,   E::menuSettings, "Set Cache Directory"},
    MenuSpec{E::menuAbout,      E::frmTidewell,  "&About"},
};
// clang-format on

const ElementSpec* findSpec(Element element) {
    for (const auto& e : kMainElements)
        if (e.id == element) return &e;
    for (const auto& e : kStartElements)
        if (e.id == element) return &e;
    return nullptr;
}

}  // namespace

std::span<const ElementSpec> elementsOf(Element form) {
    if (form == Element::frmTidewell) return kMainElements;
    if (form == Element::frmStart) return kStartElements;
    throw std::invalid_argument("not a form");
}

const ElementSpec& specOf(Element element) {
    if (const ElementSpec* row = findSpec(element)) return *row;
    throw std::invalid_argument("element has no layout");
}

bool hasLayout(Element element) { return findSpec(element) != nullptr; }

const FormSpec& formSpec(Element form) {
    for (const auto& f : kForms)
        if (f.id == form) return f;
    throw std::invalid_argument("not a form");
}

std::span<const MenuSpec> mainMenu() { return kMainMenu; }

bool isForm(Element element) {
    return element == Element::frmTidewell || element == Element::frmStart;
}

Element formOf(Element element) {
    if (isForm(element)) return element;
    for (const auto& m : kMainMenu)
        if (m.id == element) return Element::frmTidewell;
    for (const auto& e : kStartElements)
        if (e.id == element) return Element::frmStart;
    return Element::frmTidewell;
}

}  // namespace tw
