#include "PortPanelLogic.h"
