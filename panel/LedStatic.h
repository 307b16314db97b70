// CLedStatic - one LED of the panel: a bitmap static of the dialog template
// that paints the red (lit) or the grey (unlit) lamp according to its state.
#pragma once

#include "Static.h"

class CLedStatic : public CStatic {
public:
    CLedStatic() = default;

    // Stores the state (0 unlit, any other value lit) and repaints the whole
    // control, also when the state is unchanged; returns the state.
    int SetState(int state);

protected:
    void OnPaint() noexcept override;

private:
    int m_state = 0;
};
