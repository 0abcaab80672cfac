// Every public header of the library.
#pragma once

#include "dsutils/DSTimeStr.h"
#include "dsutils/TimerBase.h"
#include "dsutils/TmpStr.h"
