#pragma once

#include "CurveTestSupport.h"
#include "Punt.h"

#include <utility>
#include <vector>
