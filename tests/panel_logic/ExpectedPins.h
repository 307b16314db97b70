// The panel's pins with the IDs of its dialog, written out apart from the
// program's own table so that the tests do not take their expectations from it.
#pragma once

#include "QorvelIo.h"

#include <array>

struct ExpectedPin {
    PortId port;
    int bit;
    int led;
    int on;
    int off;
};

inline constexpr std::array<ExpectedPin, 32> kExpectedPins = {{
    {PortId::P4, 0, 1004, 1002, 1012}, {PortId::P4, 1, 1005, 1027, 1028},
    {PortId::P4, 2, 1006, 1029, 1030}, {PortId::P4, 3, 1007, 1031, 1032},
    {PortId::P4, 4, 1008, 1033, 1034}, {PortId::P4, 5, 1009, 1035, 1036},
    {PortId::P4, 6, 1010, 1037, 1038}, {PortId::P4, 7, 1011, 1039, 1040},
    {PortId::P5, 0, 1041, 1049, 1050}, {PortId::P5, 1, 1065, 1066, 1067},
    {PortId::P5, 2, 1068, 1069, 1070}, {PortId::P5, 3, 1071, 1072, 1073},
    {PortId::P5, 4, 1074, 1075, 1076}, {PortId::P5, 5, 1077, 1078, 1079},
    {PortId::P5, 6, 1080, 1081, 1082}, {PortId::P5, 7, 1083, 1084, 1085},
    {PortId::P6, 0, 1086, 1087, 1088}, {PortId::P6, 1, 1110, 1111, 1112},
    {PortId::P6, 2, 1113, 1114, 1115}, {PortId::P6, 3, 1116, 1117, 1118},
    {PortId::P6, 4, 1119, 1120, 1121}, {PortId::P6, 5, 1122, 1123, 1124},
    {PortId::P6, 6, 1125, 1126, 1127}, {PortId::P6, 7, 1128, 1129, 1130},
    {PortId::P7, 0, 1131, 1132, 1133}, {PortId::P7, 1, 1134, 1135, 1136},
    {PortId::P1, 2, 1137, 1138, 1139}, {PortId::P1, 3, 1140, 1141, 1142},
    {PortId::P1, 4, 1143, 1144, 1145}, {PortId::P1, 5, 1146, 1147, 1148},
    {PortId::P1, 6, 1149, 1150, 1151}, {PortId::P1, 7, 1152, 1153, 1154},
}};
