#pragma once

#include "controls/Field.h"
