// Every public header of the library.
#pragma once

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSCapabilities.h"
#include "dsutils/DSFileUtils.h"
#include "dsutils/DSTimeStr.h"
#include "dsutils/TimerBase.h"
#include "dsutils/TmpStr.h"
