// The window Form1: its sockets start-up and shut-down, paired with its own lifetime, and the
// lookup behind its one button. Everything it needs of its platform comes in by reference.
#pragma once

#include "platform/FormEvents.h"
#include "platform/Runtime.h"
#include "platform/Sockets.h"

#include <cstdint>

namespace form1 {

class Form1 final : public platform::FormEvents {
public:
    Form1(platform::Runtime& runtime, platform::Sockets& sockets);

    // The high and low byte of a 16-bit word, as Windows Sockets packs its versions.
    static std::int32_t hibyte(std::int16_t wParam);
    static std::int32_t lobyte(std::int16_t wParam);

    // Starts the sockets library and vets it; on any refusal shows why and ends the program.
    void SocketsInitialize();
    // Stops the sockets library; on failure shows the result and ends the program.
    void SocketsCleanup();

    void Form_Load() override;

private:
    void Form_Unload(bool& Cancel) override;
    void Command1_Click() override;

    platform::Runtime& runtime_;
    platform::Sockets& sockets_;
};

} // namespace form1
