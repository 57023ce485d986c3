#include "controls/Field.h"

#include "controls/Setup.h"
