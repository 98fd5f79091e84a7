#include "pages/win/CDlgLightingPad.h"
