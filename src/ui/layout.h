// The declarative description of both windows: every element with its kind,
// parent, rectangle in twips, caption, style and tab index. The Win32 layer
// creates the controls from these tables in one loop; the keyboard handling
// and the end-to-end tests read the same tables.
#pragma once

#include "ui/colour.h"
#include "ui/element.h"

#include <optional>
#include <span>
#include <string_view>

namespace tw {

enum class Kind : std::uint8_t {
    PicturePanel,
    PushButton,
    GroupFrame,
    TextField,
    Label,
    CheckBox,
    FileList,
    DirList,
    ProgressBar,
    StatusBar,
    CommonDialog,
};

enum class Picture : std::uint8_t { None, Start, Manual, Browser };

struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    friend constexpr bool operator==(TwipsRect, TwipsRect) = default;
};

namespace style {
inline constexpr unsigned None = 0;
inline constexpr unsigned Hidden = 1u << 0;
inline constexpr unsigned ReadOnly = 1u << 1;
inline constexpr unsigned Disabled = 1u << 2;
inline constexpr unsigned Checked = 1u << 3;
inline constexpr unsigned CentredWrapped = 1u << 4;
inline constexpr unsigned DockBottom = 1u << 5;
}  // namespace style

struct ElementSpec {
    Element id;
    std::string_view name;
    Kind kind;
    Element parent;
    TwipsRect rect;
    std::string_view caption;
    unsigned style = style::None;
    std::optional<Rgb> textColour;
    std::optional<Rgb> backColour;
    int tabIndex = -1;  // -1: takes no part in the tab order
    Picture picture = Picture::None;

    bool has(unsigned flag) const { return (style & flag) != 0; }
};

struct FormSpec {
    Element id;
    std::string_view name;
    std::string_view caption;
    TwipsRect client;  // initial client position on screen and client size
    Picture picture;
};

struct MenuSpec {
    Element id;
    Element parent;  // frmTidewell for an entry of the menu bar
    std::string_view caption;
};

// Elements of a window in stacking order: an earlier element lies above a
// later one among the same parent's children.
std::span<const ElementSpec> elementsOf(Element form);
const ElementSpec& specOf(Element element);
// Whether the element has a row in an element table; forms and menu items have none.
bool hasLayout(Element element);
const FormSpec& formSpec(Element form);
std::span<const MenuSpec> mainMenu();

// Outer size the main window restores on every change of size.
inline constexpr int kMainOuterWidthTwips = 6945;
inline constexpr int kMainOuterHeightTwips = 4095;
// The frame the outer size above was measured with (8 x 27 pixels at 96 DPI,
// no menu bar); a real frame and menu bar are added to the client area left.
inline constexpr int kDesignFrameWidthTwips = 120;
inline constexpr int kDesignFrameHeightTwips = 405;
// Where frmStart's load reaction places it (outer position).
inline constexpr int kStartLeftTwips = 2550;
inline constexpr int kStartTopTwips = 1875;
// Width of the status bar's first panel, which carries the status text.
inline constexpr int kStatusPanelWidthTwips = 3000;

// The form an element belongs to, and whether it is one of the forms.
Element formOf(Element element);
bool isForm(Element element);

}  // namespace tw
