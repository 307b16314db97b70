// Resource IDs of portpanel, shared by portpanel.rc and the code. The control
// IDs are fixed by the board's tools and are not a uniform series; the pin table
// (PinTable.h) is what relates them.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_PORTPANEL_DIALOG 102
#define IDI_PORTPANEL 128
#define IDB_LED_OFF 130
#define IDB_LED_ON 131

#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDC_CONFIG_P4 1013
#define IDC_CONFIG_P5 1155
#define IDC_CONFIG_P6 1156
#define IDC_CONFIG_P7 1157
#define IDC_CONFIG_P1 1158

#define IDC_ALL_INPUT 1014
#define IDC_ALL_OUTPUT 1015
#define IDC_UPDATE 1016

// Per pin: its LED and its ON and OFF buttons.
#define IDC_LED_P4_0 1004
#define IDC_ON_P4_0 1002
#define IDC_OFF_P4_0 1012
#define IDC_LED_P4_1 1005
#define IDC_ON_P4_1 1027
#define IDC_OFF_P4_1 1028
#define IDC_LED_P4_2 1006
#define IDC_ON_P4_2 1029
#define IDC_OFF_P4_2 1030
#define IDC_LED_P4_3 1007
#define IDC_ON_P4_3 1031
#define IDC_OFF_P4_3 1032
#define IDC_LED_P4_4 1008
#define IDC_ON_P4_4 1033
#define IDC_OFF_P4_4 1034
#define IDC_LED_P4_5 1009
#define IDC_ON_P4_5 1035
#define IDC_OFF_P4_5 1036
#define IDC_LED_P4_6 1010
#define IDC_ON_P4_6 1037
#define IDC_OFF_P4_6 1038
#define IDC_LED_P4_7 1011
#define IDC_ON_P4_7 1039
#define IDC_OFF_P4_7 1040
#define IDC_LED_P5_0 1041
#define IDC_ON_P5_0 1049
#define IDC_OFF_P5_0 1050
#define IDC_LED_P5_1 1065
#define IDC_ON_P5_1 1066
#define IDC_OFF_P5_1 1067
#define IDC_LED_P5_2 1068
#define IDC_ON_P5_2 1069
#define IDC_OFF_P5_2 1070
#define IDC_LED_P5_3 1071
#define IDC_ON_P5_3 1072
#define IDC_OFF_P5_3 1073
#define IDC_LED_P5_4 1074
#define IDC_ON_P5_4 1075
#define IDC_OFF_P5_4 1076
#define IDC_LED_P5_5 1077
#define IDC_ON_P5_5 1078
#define IDC_OFF_P5_5 1079
#define IDC_LED_P5_6 1080
#define IDC_ON_P5_6 1081
#define IDC_OFF_P5_6 1082
#define IDC_LED_P5_7 1083
#define IDC_ON_P5_7 1084
#define IDC_OFF_P5_7 1085
#define IDC_LED_P6_0 1086
#define IDC_ON_P6_0 1087
#define IDC_OFF_P6_0 1088
#define IDC_LED_P6_1 1110
#define IDC_ON_P6_1 1111
#define IDC_OFF_P6_1 1112
#define IDC_LED_P6_2 1113
#define IDC_ON_P6_2 1114
#define IDC_OFF_P6_2 1115
#define IDC_LED_P6_3 1116
#define IDC_ON_P6_3 1117
#define IDC_OFF_P6_3 1118
#define IDC_LED_P6_4 1119
#define IDC_ON_P6_4 1120
#define IDC_OFF_P6_4 1121
#define IDC_LED_P6_5 1122
#define IDC_ON_P6_5 1123
#define IDC_OFF_P6_5 1124
#define IDC_LED_P6_6 1125
#define IDC_ON_P6_6 1126
#define IDC_OFF_P6_6 1127
#define IDC_LED_P6_7 1128
#define IDC_ON_P6_7 1129
#define IDC_OFF_P6_7 1130
#define IDC_LED_P7_0 1131
#define IDC_ON_P7_0 1132
#define IDC_OFF_P7_0 1133
#define IDC_LED_P7_1 1134
#define IDC_ON_P7_1 1135
#define IDC_OFF_P7_1 1136
#define IDC_LED_P1_2 1137
#define IDC_ON_P1_2 1138
#define IDC_OFF_P1_2 1139
#define IDC_LED_P1_3 1140
#define IDC_ON_P1_3 1141
#define IDC_OFF_P1_3 1142
#define IDC_LED_P1_4 1143
#define IDC_ON_P1_4 1144
#define IDC_OFF_P1_4 1145
#define IDC_LED_P1_5 1146
#define IDC_ON_P1_5 1147
#define IDC_OFF_P1_5 1148
#define IDC_LED_P1_6 1149
#define IDC_ON_P1_6 1150
#define IDC_OFF_P1_6 1151
#define IDC_LED_P1_7 1152
#define IDC_ON_P1_7 1153
#define IDC_OFF_P1_7 1154
