#include "pages/win/CDlgMouseSpeed.h"
