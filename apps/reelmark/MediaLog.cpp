#include "MediaLog.h"

extern "C" {
#include <libavutil/log.h>
}

void QuietMediaLibraries(bool verbose)
{
    av_log_set_level(verbose ? AV_LOG_WARNING : AV_LOG_QUIET);
}
