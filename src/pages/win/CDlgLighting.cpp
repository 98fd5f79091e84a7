#include "pages/win/CDlgLighting.h"
