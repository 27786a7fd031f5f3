// The area-name set with its three kinds of cells (AreaNameSet.h and the headers it includes).
#pragma once

#include "model/AreaNameSet.h"
