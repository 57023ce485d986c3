#include "register/Cp1252.h"

#include <QtCore/QString>
