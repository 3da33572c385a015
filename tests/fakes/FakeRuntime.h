// A runtime that keeps what a person would see: whether the window is shown, the text of the box,
// the messages shown and whether the program ended. Ending throws, so no further code runs.
#pragma once

#include "platform/Runtime.h"

#include <string>
#include <vector>

namespace fakes {

struct ProgramEnded {};

class FakeRuntime final : public platform::Runtime {
public:
    struct Message {
        std::string prompt;
        bool windowShown = false;
    };

    int Run(const platform::FormDescription& description, platform::FormEvents& events) override {
        events_ = &events;
        text_ = std::string(description.text1.text);
        if (!Deliver([&] { events.Form_Load(); })) {
            return 1;
        }
        windowShown_ = true;
        return 0;
    }

    // A click on the button; returns false when the program ended during it.
    bool ClickCommand1() {
        return Deliver([&] { events_->Command1_Click(); });
    }

    // The user closes the window; returns false when the program ended during it.
    bool Close() {
        bool cancel = false;
        const bool survived = Deliver([&] { events_->Form_Unload(cancel); });
        if (survived && !cancel) {
            windowShown_ = false;
        }
        return survived;
    }

    std::string Text1Text() const override { return text_; }
    void SetText1Text(std::string_view text) override { text_ = std::string(text); }
    void ShowMessage(std::string_view prompt) override {
        messages_.push_back({std::string(prompt), windowShown_});
    }
    [[noreturn]] void End() override {
        ended_ = true;
        throw ProgramEnded{};
    }

    bool windowShown() const { return windowShown_; }
    bool ended() const { return ended_; }
    const std::vector<Message>& messages() const { return messages_; }

private:
    template <typename Event> bool Deliver(Event event) {
        if (ended_) {
            return false;
        }
        try {
            event();
            return true;
        } catch (const ProgramEnded&) {
            windowShown_ = false;
            return false;
        }
    }

    platform::FormEvents* events_ = nullptr;
    std::string text_;
    std::vector<Message> messages_;
    bool windowShown_ = false;
    bool ended_ = false;
};

} // namespace fakes
