#include "ui/BioUnit.h"
