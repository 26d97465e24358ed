// Input bytes quoted in the command line's messages: see core/visible_text.h.
#pragma once

#include "core/visible_text.h"
