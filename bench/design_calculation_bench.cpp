#include "calc/design_calculation.h"
