// portcheck under random use: "PortRead", and "PortWrite" with five valid
// decimal values typed into the write boxes.
#pragma once

#include "Soak.h"

namespace bench {

class CheckSoak : public Soak {
public:
    CheckSoak();

protected:
    std::size_t ActionCount() const override;
    void Act(std::size_t action) override;
};

}  // namespace bench
