#include "app/Second.h"

#include "app/First.h"
