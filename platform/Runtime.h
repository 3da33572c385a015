// The form-and-control runtime: builds the window from its description, runs the event loop and
// serves the window's handlers. Text crosses this interface as UTF-8.
#pragma once

#include "platform/FormDescription.h"
#include "platform/FormEvents.h"

#include <string>
#include <string_view>

namespace platform {

class Runtime {
public:
    // Builds the window, delivers Load, shows the window unless the program was ended, and runs
    // until the window is closed. Returns the exit status: 0 after a normal close.
    virtual int Run(const FormDescription& description, FormEvents& events) = 0;

    // The whole text of the text box.
    virtual std::string Text1Text() const = 0;
    virtual void SetText1Text(std::string_view text) = 0;

    // An application-modal message box with the application title as caption, the prompt, one
    // OK button and no icon; returns when the user dismisses it.
    virtual void ShowMessage(std::string_view prompt) = 0;

    // Ends the run at once with exit status 1: no further event or handler runs.
    [[noreturn]] virtual void End() = 0;

protected:
    ~Runtime() = default;
};

} // namespace platform
