// The panel's pins as the board's tools fix them: the LED that shows each pin
// and its ON and OFF buttons. Written out here so the tests do not share the
// program's own table.
#pragma once

#include <array>

enum PortIndex { kP4, kP5, kP6, kP7, kP1 };

struct Pin {
    int port;
    int bit;
    int led;
    int on;
    int off;
};

inline constexpr std::array<Pin, 32> kPins = {{
    {kP4, 0, 1004, 1002, 1012}, {kP4, 1, 1005, 1027, 1028}, {kP4, 2, 1006, 1029, 1030},
    {kP4, 3, 1007, 1031, 1032}, {kP4, 4, 1008, 1033, 1034}, {kP4, 5, 1009, 1035, 1036},
    {kP4, 6, 1010, 1037, 1038}, {kP4, 7, 1011, 1039, 1040},
    {kP5, 0, 1041, 1049, 1050}, {kP5, 1, 1065, 1066, 1067}, {kP5, 2, 1068, 1069, 1070},
    {kP5, 3, 1071, 1072, 1073}, {kP5, 4, 1074, 1075, 1076}, {kP5, 5, 1077, 1078, 1079},
    {kP5, 6, 1080, 1081, 1082}, {kP5, 7, 1083, 1084, 1085},
    {kP6, 0, 1086, 1087, 1088}, {kP6, 1, 1110, 1111, 1112}, {kP6, 2, 1113, 1114, 1115},
    {kP6, 3, 1116, 1117, 1118}, {kP6, 4, 1119, 1120, 1121}, {kP6, 5, 1122, 1123, 1124},
    {kP6, 6, 1125, 1126, 1127}, {kP6, 7, 1128, 1129, 1130},
    {kP7, 0, 1131, 1132, 1133}, {kP7, 1, 1134, 1135, 1136},
    {kP1, 2, 1137, 1138, 1139}, {kP1, 3, 1140, 1141, 1142}, {kP1, 4, 1143, 1144, 1145},
    {kP1, 5, 1146, 1147, 1148}, {kP1, 6, 1149, 1150, 1151}, {kP1, 7, 1152, 1153, 1154},
}};

// Configuration boxes in port order P4, P5, P6, P7, P1.
inline constexpr std::array<int, 5> kConfigBoxIds = {1013, 1155, 1156, 1157, 1158};

constexpr int kExitButton = 1;
constexpr int kAllInputButton = 1014;
constexpr int kAllOutputButton = 1015;
constexpr int kUpdateButton = 1016;
constexpr int kAboutCommand = 0x10;
