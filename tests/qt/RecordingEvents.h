// Window events that a test can hook, counted as they arrive, and the test process's one runtime.
#pragma once

#include "platform/FormEvents.h"
#include "platform/qt/QtRuntime.h"

#include <functional>

// Made by the test main before any test runs.
platform::qt::QtRuntime& TestRuntime();

class RecordingEvents final : public platform::FormEvents {
public:
    std::function<void()> onLoad = [] {};
    std::function<void(bool& cancel)> onUnload = [](bool&) {};
    int loads = 0;
    int unloads = 0;
    int clicks = 0;

    void Form_Load() override {
        ++loads;
        onLoad();
    }
    void Form_Unload(bool& cancel) override {
        ++unloads;
        onUnload(cancel);
    }
    void Command1_Click() override { ++clicks; }
};
