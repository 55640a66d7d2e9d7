// An in-memory stand-in for the windows: remembers what the logic set and
// records the calls whose order matters.
#pragma once

#include "ui/layout.h"
#include "ui/screen.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tw::test {

class FakeScreen : public Screen {
public:
    struct State {
        std::string text;
        bool visible = true;
        int check = 0;
        Rgb colour{};
        int progressMax = 100, progressValue = 0;
        bool minimised = false;
    };

    FakeScreen() {  // every element as the layout creates it
        for (Element form : {Element::frmTidewell, Element::frmStart}) {
            at(form) = {std::string(formSpec(form).caption), false};
            for (const ElementSpec& e : elementsOf(form))
                at(e.id) = {std::string(e.caption), !e.has(style::Hidden), e.has(style::Checked) ? 1 : 0,
                            e.textColour.value_or(Rgb{})};
        }
    }

    std::string text(Element e) const override { return at(e).text; }
    void setText(Element e, std::string_view t) override { log("text", e, std::string(at(e).text = t)); }
    bool visible(Element e) const override { return at(e).visible; }
    void setVisible(Element e, bool v) override { log("visible", e, (at(e).visible = v) ? "1" : "0"); }
    int checkValue(Element e) const override { return at(e).check; }
    void setCheckValue(Element e, int v) override { at(e).check = v; }
    void setTextColour(Element e, Rgb c) override { at(e).colour = c; }
    void setProgressMax(Element e, int max) override { log("max", e, std::to_string(at(e).progressMax = max)); }
    void setProgressValue(Element e, int value) override {
        progressValues[e == Element::ProgBar ? 0 : 1].push_back(at(e).progressValue = value);
    }
    void showDirectories(Element, const std::vector<DirectoryEntry>& shown) override {
        directories.clear();
        for (const DirectoryEntry& d : shown)
            directories.push_back(std::string(d.indent, ' ') + d.label + (d.open ? " (open)" : ""));
    }
    void setFormLeft(Element, int) override {}
    void setFormTop(Element, int) override {}
    void setFormOuterSize(Element, int, int) override {}
    void minimize(Element f) override { at(f).minimised = true; }
    void restore(Element f) override { at(f).minimised = false; }
    void unload(Element form) override {
        if (onUnload) onUnload(form);
    }
    void endProgram() override { ended = true; }
    void updateNow() override {}
    std::string decimalSeparator() const override { return separator; }

    State& at(Element e) { return states_[static_cast<std::size_t>(index(e))]; }
    const State& at(Element e) const { return states_[static_cast<std::size_t>(index(e))]; }
    static std::string name(Element e) { return std::string(isForm(e) ? formSpec(e).name : specOf(e).name); }

    std::function<void(Element)> onUnload;  // the window's Unload reaction
    std::vector<std::string> calls;         // "visible Manual 1", "text Sbar Ready", "max ProgBar 6", ...
    std::vector<int> progressValues[2];     // ProgBar, ProgBar2
    std::vector<std::string> directories;   // Dir1's rows: "  PROGRAM (open)", indented by depth
    std::string separator = ".";
    bool ended = false;

private:
    void log(const char* what, Element e, const std::string& value) { calls.push_back(what + (" " + name(e)) + " " + value); }
    std::array<State, kElementCount> states_{};
};

}  // namespace tw::test
