// The panel's 32 usable pins: for each, the LED that shows it and the two
// buttons that drive it. Rows are in poll order: P4 bits 0-7, P5 0-7, P6 0-7,
// P7 0-1, P1 2-7 (P7 bits 2-7 are not wired out; P1 bits 0-1 are the USB lines).
#pragma once

#include "QorvelIo.h"
#include "res/resource.h"

#include <array>

struct PinRow {
    PortId port;
    int bit;
    int ledId;
    int onId;
    int offId;
};

inline constexpr std::array<PinRow, 32> kPinTable = {{
    {PortId::P4, 0, IDC_LED_P4_0, IDC_ON_P4_0, IDC_OFF_P4_0},
    {PortId::P4, 1, IDC_LED_P4_1, IDC_ON_P4_1, IDC_OFF_P4_1},
    {PortId::P4, 2, IDC_LED_P4_2, IDC_ON_P4_2, IDC_OFF_P4_2},
    {PortId::P4, 3, IDC_LED_P4_3, IDC_ON_P4_3, IDC_OFF_P4_3},
    {PortId::P4, 4, IDC_LED_P4_4, IDC_ON_P4_4, IDC_OFF_P4_4},
    {PortId::P4, 5, IDC_LED_P4_5, IDC_ON_P4_5, IDC_OFF_P4_5},
    {PortId::P4, 6, IDC_LED_P4_6, IDC_ON_P4_6, IDC_OFF_P4_6},
    {PortId::P4, 7, IDC_LED_P4_7, IDC_ON_P4_7, IDC_OFF_P4_7},
    {PortId::P5, 0, IDC_LED_P5_0, IDC_ON_P5_0, IDC_OFF_P5_0},
    {PortId::P5, 1, IDC_LED_P5_1, IDC_ON_P5_1, IDC_OFF_P5_1},
    {PortId::P5, 2, IDC_LED_P5_2, IDC_ON_P5_2, IDC_OFF_P5_2},
    {PortId::P5, 3, IDC_LED_P5_3, IDC_ON_P5_3, IDC_OFF_P5_3},
    {PortId::P5, 4, IDC_LED_P5_4, IDC_ON_P5_4, IDC_OFF_P5_4},
    {PortId::P5, 5, IDC_LED_P5_5, IDC_ON_P5_5, IDC_OFF_P5_5},
    {PortId::P5, 6, IDC_LED_P5_6, IDC_ON_P5_6, IDC_OFF_P5_6},
    {PortId::P5, 7, IDC_LED_P5_7, IDC_ON_P5_7, IDC_OFF_P5_7},
    {PortId::P6, 0, IDC_LED_P6_0, IDC_ON_P6_0, IDC_OFF_P6_0},
    {PortId::P6, 1, IDC_LED_P6_1, IDC_ON_P6_1, IDC_OFF_P6_1},
    {PortId::P6, 2, IDC_LED_P6_2, IDC_ON_P6_2, IDC_OFF_P6_2},
    {PortId::P6, 3, IDC_LED_P6_3, IDC_ON_P6_3, IDC_OFF_P6_3},
    {PortId::P6, 4, IDC_LED_P6_4, IDC_ON_P6_4, IDC_OFF_P6_4},
    {PortId::P6, 5, IDC_LED_P6_5, IDC_ON_P6_5, IDC_OFF_P6_5},
    {PortId::P6, 6, IDC_LED_P6_6, IDC_ON_P6_6, IDC_OFF_P6_6},
    {PortId::P6, 7, IDC_LED_P6_7, IDC_ON_P6_7, IDC_OFF_P6_7},
    {PortId::P7, 0, IDC_LED_P7_0, IDC_ON_P7_0, IDC_OFF_P7_0},
    {PortId::P7, 1, IDC_LED_P7_1, IDC_ON_P7_1, IDC_OFF_P7_1},
    {PortId::P1, 2, IDC_LED_P1_2, IDC_ON_P1_2, IDC_OFF_P1_2},
    {PortId::P1, 3, IDC_LED_P1_3, IDC_ON_P1_3, IDC_OFF_P1_3},
    {PortId::P1, 4, IDC_LED_P1_4, IDC_ON_P1_4, IDC_OFF_P1_4},
    {PortId::P1, 5, IDC_LED_P1_5, IDC_ON_P1_5, IDC_OFF_P1_5},
    {PortId::P1, 6, IDC_LED_P1_6, IDC_ON_P1_6, IDC_OFF_P1_6},
    {PortId::P1, 7, IDC_LED_P1_7, IDC_ON_P1_7, IDC_OFF_P1_7},
}};

// The row whose ON or OFF button has this ID, or nullptr.
constexpr const PinRow* FindPinByButton(int buttonId)
{
    for (const PinRow& row : kPinTable)
        if (row.onId == buttonId || row.offId == buttonId)
            return &row;
    return nullptr;
}

namespace pin_table_checks {
constexpr bool IdsAreUnique()
{
    for (std::size_t i = 0; i < kPinTable.size(); ++i) {
        const int ids[] = {kPinTable[i].ledId, kPinTable[i].onId, kPinTable[i].offId};
        for (std::size_t j = 0; j < kPinTable.size(); ++j)
            for (int id : ids) {
                const PinRow& other = kPinTable[j];
                const int matches = (other.ledId == id) + (other.onId == id) + (other.offId == id);
                if (matches != (i == j ? 1 : 0))
                    return false;
            }
    }
    return true;
}
static_assert(IdsAreUnique(), "every LED and button ID occurs once in the pin table");
}  // namespace pin_table_checks
