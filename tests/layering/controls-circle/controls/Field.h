#pragma once

#include "controls/Plain.h"
