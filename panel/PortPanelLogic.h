// PortPanelLogic - the panel's port state and actions: the shadow copy of the
// five ports, the five configuration texts, the start-up, the 100 ms poll, the
// 500 ms direction toggle and the actions of the 67 command buttons. It reaches
// its window and the board only through PanelWindow and Board.
#pragma once

#include "Board.h"
#include "PanelWindow.h"

class PortPanelLogic {
public:
    static constexpr int kPollTimer = 1;
    static constexpr unsigned kPollPeriodMs = 100;
    static constexpr int kToggleTimer = 2;
    static constexpr unsigned kTogglePeriodMs = 500;

    PortPanelLogic(PanelWindow& window, Board& board);
    PortPanelLogic(const PortPanelLogic&) = delete;
    PortPanelLogic& operator=(const PortPanelLogic&) = delete;

    // The last step of the dialog's initialisation: board check, all ports to
    // input, texts to the window, both timers started.
    void StartUp();
    // Routes a timer tick; the window runs its default timer processing after it.
    void OnTimer(int timerId);

    void PollPorts();
    void ToggleDirection();
    void OnAllInput();
    void OnAllOutput();
    void OnUpdate();
    void WritePorts();
    // Runs the action of an ON or OFF button of the pin table; false for any other ID.
    bool OnBitButton(int buttonId);

    const PortBank& Ports() const { return m_ports; }
    ConfigTexts& Config() { return m_config; }
    int Toggle() const { return m_toggle; }

private:
    PanelWindow& window_;
    Board& board_;

    std::int32_t m_toggle = 0;
    PortBank m_ports{};
    ConfigTexts m_config{L"0000", L"0000", L"0000", L"0000", L"0000"};
};
