// portpanel under random use: its 64 pin buttons, "All Input", "All Output",
// "Update" with typed values, and the About box opened and closed.
#pragma once

#include "Soak.h"

namespace bench {

class PanelSoak : public Soak {
public:
    PanelSoak();

protected:
    std::size_t ActionCount() const override;
    void Act(std::size_t action) override;

private:
    void TypeConfiguration();
    void OpenAndCloseAbout();

    std::vector<HWND> pinButtons_;
};

}  // namespace bench
