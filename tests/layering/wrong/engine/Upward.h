#pragma once
// The engine may not reach up into the settings.
#include "settings/Catalogue.h"
