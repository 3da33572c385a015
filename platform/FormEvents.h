// The events a runtime delivers to the window it built, one at a time, on the window's thread.
#pragma once

namespace platform {

class FormEvents {
public:
    // Once, after the window is built and before it is shown.
    virtual void Form_Load() = 0;
    // When the user closes the window, while it is still on the screen; setting Cancel keeps
    // it open.
    virtual void Form_Unload(bool& Cancel) = 0;
    // On every click of the button, by mouse or by Space while it has the focus.
    virtual void Command1_Click() = 0;

protected:
    ~FormEvents() = default;
};

} // namespace platform
