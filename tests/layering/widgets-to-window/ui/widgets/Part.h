#pragma once
#include "controls/ShadowLabel.h"
#include "ui/BioUnit.h"
#include "ui/app/Startup.h"
#include "ui/widgets/BevelPanel.h"
