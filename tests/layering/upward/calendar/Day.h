#pragma once
#include "register/PersonRegister.h"
