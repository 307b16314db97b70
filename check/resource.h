// Resource and control IDs of portcheck, shared by its resource script, its
// form and the tests that drive the form from outside.
#pragma once

#define IDI_FCAL 1

// Controls of F_Cal, named as on the form.
#define IDC_PORTREADBT 1001
#define IDC_PORTWRITEBT 1002
#define IDC_P4R 1010
#define IDC_P5R 1011
#define IDC_P6R 1012
#define IDC_P7R 1013
#define IDC_P1R 1014
#define IDC_P4W 1020
#define IDC_P5W 1021
#define IDC_P6W 1022
#define IDC_P7W 1023
#define IDC_P1W 1024
// The control array Label1: Label1(i) has the ID IDC_LABEL1 + i, i = 0 to 4.
#define IDC_LABEL1 1030
