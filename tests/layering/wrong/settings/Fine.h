#pragma once
// Downward includes pass; this file alone would not fail the check.
#include "engine/Engine.h"
