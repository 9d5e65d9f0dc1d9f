#pragma once
// A unit that uses the next one.
#include "app/Second.h"
