// The font request is raised by the document; it lives there.
#pragma once

#include "document/FontSelDlgRequest.h"
