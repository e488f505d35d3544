#include "visual/TTabControl98.h"
