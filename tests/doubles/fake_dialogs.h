#pragma once

#include "common/runtime_error.h"
#include "platform/dialogs.h"
#include "platform/process_starter.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tw::test {

class FakeDialogs : public Dialogs {
public:
    struct Box { std::string text; int flags; std::string caption; };
    int messageBox(std::string_view text, int flags, std::string_view caption) override {
        boxes.push_back({std::string(text), flags, std::string(caption)});
        if (onBox) onBox();
        const int answer = answers.empty() ? ((flags & mb::YesNo) ? mb::AnswerYes : mb::AnswerOk) : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    // The open-file dialog answers with `fileChoices` in turn; with none left it cannot be shown.
    std::optional<std::string> openFile(std::string_view filter) override {
        filters.emplace_back(filter);
        if (fileChoices.empty()) throw RuntimeError(err::DeviceUnavailable);
        const auto choice = fileChoices.front();
        fileChoices.pop_front();
        return choice;
    }

    std::vector<Box> boxes;
    std::deque<int> answers;
    std::deque<std::optional<std::string>> fileChoices;
    std::vector<std::string> filters;
    std::function<void()> onBox;  // lets a test look at the program while a box is up
};

class FakeProcessStarter : public ProcessStarter {
public:
    struct Start { std::string commandLine, application; int showStyle; };
    void start(std::string_view commandLine, std::string_view application, int showStyle) override {
        if (onStart) onStart();
        starts.push_back({std::string(commandLine), std::string(application), showStyle});
        if (fails) throw RuntimeError(err::FileNotFound, "The system cannot find the file specified.");
    }
    std::vector<Start> starts;
    bool fails = false;
    std::function<void()> onStart;
};

}  // namespace tw::test
