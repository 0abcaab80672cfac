// The aspect ratio of a new title: what its disc format allows, what the caller wishes and
// what its source is.
#pragma once

#include "model/IDSTitle.h"
#include "model/ProjectEnums.h"

#include <functional>

// 16:9 on the formats whose titles are wide (FormatCap_WideTitles); else the wish on formats
// that let the caller choose (FormatCap_ChooseTitleAspect) and 4:3 on the others: a wish of
// AspectRatio_16x9 gives 16:9, 0 follows the source (isSource16x9 is asked only then), any
// other value gives 4:3.
AspectRatio ChooseTitleAspect(int discFormat, LONG wish, const std::function<bool()>& isSource16x9);

// Whether a production's shape is 16:9: its production information's aspect ratio lies
// strictly between 1.77 and 1.78. False without information.
bool IsProductionShape16x9(IUnknown* pProductionObj);

// Writes the aspect ratio to the title: the shape of its production (16/9 or 4/3) and its
// encoding parameters. Failures are reported and returned.
HRESULT ApplyTitleAspect(IDSTitle* pTitle, AspectRatio aspect);
