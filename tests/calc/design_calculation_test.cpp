#include "calc/design_calculation.h"

#include <gtest/gtest.h>
