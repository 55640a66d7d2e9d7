#include "fake_screen.h"

#include "ui/layout.h"

namespace tw::test {

FakeScreen::FakeScreen() {
    for (Element form : {Element::frmTidewell, Element::frmStart}) {
        at(form).text = std::string(formSpec(form).caption);
        at(form).visible = false;
        for (const ElementSpec& e : elementsOf(form)) {
            State& s = at(e.id);
            s.text = std::string(e.caption);
            s.visible = !e.has(style::Hidden);
            s.check = e.has(style::Checked) ? 1 : 0;
            if (e.textColour) s.colour = *e.textColour;
        }
    }
}

std::string FakeScreen::name(Element e) {
    if (isForm(e)) return std::string(formSpec(e).name);
    for (const MenuSpec& m : mainMenu())
        if (m.id == e) return std::string(m.caption);
    return std::string(specOf(e).name);
}

void FakeScreen::setText(Element e, std::string_view t) {
    at(e).text = std::string(t);
    log("text " + name(e) + " " + std::string(t));
}

void FakeScreen::setVisible(Element e, bool v) {
    at(e).visible = v;
    log("visible " + name(e) + (v ? " 1" : " 0"));
}

void FakeScreen::setProgressMax(Element e, int max) {
    at(e).progressMax = max;
    log("max " + name(e) + " " + std::to_string(max));
}

void FakeScreen::setProgressValue(Element e, int value) {
    at(e).progressValue = value;
    progressValues[e == Element::ProgBar ? 0 : 1].push_back(value);
}

void FakeScreen::unload(Element form) {
    log("unload " + name(form));
    if (onUnload) onUnload(form);
}

void FakeScreen::endProgram() {
    log("end");
    ended = true;
}

}  // namespace tw::test
