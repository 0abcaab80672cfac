// Every public header of the library.
#pragma once

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSButtonLinkAlgorithm.h"
#include "dsutils/DSCapabilities.h"
#include "dsutils/DSCmdList.h"
#include "dsutils/DSEncodeParams.h"
#include "dsutils/DSFileUtils.h"
#include "dsutils/DSLayout.h"
#include "dsutils/DSMenuElementVec.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSPositioningAlgorithm.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/DSTimeStr.h"
#include "dsutils/FloatRect.h"
#include "dsutils/TimerBase.h"
#include "dsutils/TmpStr.h"
