// IDs of the probe dialog that the layer's tests run.
#pragma once

#define IDD_PROBE 100
#define IDC_PROBE_EDIT 1000
#define IDC_PROBE_LAMP 1001
#define IDC_PROBE_NESTED 1002
