#include "XsxxUnit.h"
