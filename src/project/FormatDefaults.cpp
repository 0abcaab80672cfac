#include "FormatDefaults.h"

#include "platform/Config.h"

bool IsVideoCD(DiscFormat eFormat)
{
    return eFormat == DiscFormat_VCD || eFormat == DiscFormat_SVCD;
}

TVStandard DefaultTVStandard(DiscFormat eFormat, const CDSConfig& config)
{
    bool bHDFamily = eFormat == DiscFormat_BluRay || eFormat == DiscFormat_AVCHD;
    LONG lSetting =
        config.GetNumber(bHDFamily ? DSConfig_DefaultTVStandardHD : DSConfig_DefaultTVStandardSD);
    return lSetting != 0 ? TVStandard_PAL : TVStandard_NTSC;
}
