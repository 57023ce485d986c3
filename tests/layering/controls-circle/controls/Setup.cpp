#include "controls/Setup.h"

#include "controls/Field.h"
#include "controls/Style.h"
