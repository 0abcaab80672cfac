// Whether a title is a slideshow, for the encoding settings that slideshows keep apart.
#pragma once

#include "platform/ComPtr.h"

#include "model/IDSTitle.h"

// True when the title's production information carries "SlideShowDoc" metadata; false for a
// null title and when the production or its information cannot be reached.
bool IsSlideShowTitle(IDSTitle* pTitle);
