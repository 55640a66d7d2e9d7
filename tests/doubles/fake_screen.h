// An in-memory stand-in for the windows: remembers what the logic set and
// records the calls whose order matters.
#pragma once

#include "platform/runtime_error.h"
#include "platform/screen.h"

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
        int progressMax = 100;
        int progressValue = 0;
        bool minimised = false;
    };

    FakeScreen();

    std::string text(Element e) const override { return at(e).text; }
    void setText(Element e, std::string_view t) override;
    bool visible(Element e) const override { return at(e).visible; }
    void setVisible(Element e, bool v) override;
    int checkValue(Element e) const override { return at(e).check; }
    void setCheckValue(Element e, int v) override { at(e).check = v; }
    void setTextColour(Element e, Rgb c) override { at(e).colour = c; }
    void setProgressMax(Element e, int max) override;
    void setProgressValue(Element e, int value) override;
    void showDirectories(Element, const std::vector<DirectoryEntry>&) override {}
    void setFormLeft(Element f, int) override { log("left " + name(f)); }
    void setFormTop(Element f, int) override { log("top " + name(f)); }
    void setFormOuterSize(Element, int, int) override {}
    void minimize(Element f) override { at(f).minimised = true; }
    void restore(Element f) override { at(f).minimised = false; }
    void unload(Element form) override;
    void endProgram() override;
    void updateNow() override {}
    std::string decimalSeparator() const override { return separator; }

    State& at(Element e) { return states_[static_cast<std::size_t>(index(e))]; }
    const State& at(Element e) const { return states_[static_cast<std::size_t>(index(e))]; }
    static std::string name(Element e);

    // Runs when a form is unloaded: the window's Unload reaction.
    std::function<void(Element)> onUnload;

    std::vector<std::string> calls;  // "visible Manual 1", "text Sbar Ready", "end", ...
    std::vector<int> progressValues[2];  // ProgBar, ProgBar2
    std::string separator = ".";
    bool ended = false;

private:
    void log(std::string entry) { calls.push_back(std::move(entry)); }
    std::array<State, kElementCount> states_{};
};

}  // namespace tw::test
