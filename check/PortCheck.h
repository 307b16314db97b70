// PortCheck - the procedures of the form F_Cal: InitPorts when the form loads,
// the read action (timer ticks and the read button) and the write action (the
// write button). Plain C++: it reaches the form only through CalWindow and the
// board only through BoardOps.
#pragma once

#include "BoardOps.h"
#include "CalWindow.h"

class PortCheck {
public:
    // P4 and P5 are outputs, P6, P7 and P1 inputs, for every reading.
    static constexpr ConfigWord kOutput = 0xFFFFFFFF;
    static constexpr ConfigWord kInput = 0;
    // Exit code of the program when the board library cannot be used.
    static constexpr int kExitBoardUnusable = 1;

    PortCheck(CalWindow& window, BoardOps& board);
    PortCheck(const PortCheck&) = delete;
    PortCheck& operator=(const PortCheck&) = delete;

    void InitPorts();
    void ReadAction();
    // Writes nothing at all unless every write box holds a valid byte.
    void WriteAction();

private:
    void GiveUp();

    CalWindow& window_;
    BoardOps& board_;
    bool gaveUp_ = false;
};
