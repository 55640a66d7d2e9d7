#include "fake_screen.h"

#include "ui/layout.h"

namespace tw::test {

FakeScreen::FakeScreen() {
    for (Element form : {Element::frmTidewell, Element::frmStart}) {
        at(form) = {std::string(formSpec(form).caption), false};
        for (const ElementSpec& e : elementsOf(form))
            at(e.id) = {std::string(e.caption), !e.has(style::Hidden), e.has(style::Checked) ? 1 : 0,
                        e.textColour.value_or(Rgb{})};
    }
}

std::string FakeScreen::name(Element e) {
    return std::string(isForm(e) ? formSpec(e).name : specOf(e).name);
}

}  // namespace tw::test
