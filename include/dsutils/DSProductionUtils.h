// Production operations: queries on productions (storyboards) and the files they are made of.
// Static operations only; each concern has its own source file.
#pragma once

#include "platform/Unknown.h"

class CDSProductionUtils
{
public:
    CDSProductionUtils() = delete;

    // Queries (production/ProductionQueries.cpp).

    // True when the production's information carries "SlideShowDoc" metadata. The object may
    // be the production, its production object, or a title (whose production is asked).
    static bool IsSlideShow(IUnknown* pObject);
};
