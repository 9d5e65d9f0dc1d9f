// Uses the circle without being on it.
#include "app/First.h"
