#include "ReportHolder.h"
