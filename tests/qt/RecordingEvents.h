// Window events that a test can hook, counted as they arrive.
#pragma once

#include "platform/FormEvents.h"

#include <functional>

class RecordingEvents final : public platform::FormEvents {
public:
    std::function<void()> onLoad;
    std::function<void(bool& cancel)> onUnload;
    std::function<void()> onClick;

    int loads = 0;
    int unloads = 0;
    int clicks = 0;

    void Form_Load() override {
        ++loads;
        if (onLoad) {
            onLoad();
        }
    }
    void Form_Unload(bool& cancel) override {
        ++unloads;
        if (onUnload) {
            onUnload(cancel);
        }
    }
    void Command1_Click() override {
        ++clicks;
        if (onClick) {
            onClick();
        }
    }
};
