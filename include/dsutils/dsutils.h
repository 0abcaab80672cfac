// Every public header of the library.
#pragma once

#include "dsutils/DSEncodeParams.h"
#include "dsutils/TimerBase.h"
#include "dsutils/TmpStr.h"
