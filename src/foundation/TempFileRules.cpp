#include "TempFileRules.h"

#include "dsutils/DSFileUtils.h"

#include "platform/StringConv.h"

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int64_t kSecondsPerDay = 86400;

struct SizeRule
{
    DWORD bit;
    uint64_t largerThan;
};

constexpr SizeRule kSizeRules[] = {
    {CDSFileUtils::TempFile_Over1KB, 1024},       {CDSFileUtils::TempFile_Over10KB, 10240},
    {CDSFileUtils::TempFile_Over100KB, 102400},   {CDSFileUtils::TempFile_Over1MB, 1048576},
    {CDSFileUtils::TempFile_Over10MB, 10485760},  {CDSFileUtils::TempFile_Over100MB, 104857600},
    {CDSFileUtils::TempFile_Over1GB, 1073741824},
};

} // namespace

bool ReadTempFileFacts(const std::wstring& path, std::time_t now, TempFileFacts& facts)
{
    int fd = open(WideToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct statx info = {};
    int failed = statx(fd, "", AT_EMPTY_PATH, STATX_SIZE | STATX_BTIME | STATX_CTIME, &info);
    close(fd);
    if (failed)
        return false;
    facts.size = info.stx_size;
    bool born = (info.stx_mask & STATX_BTIME) != 0;
    int64_t created = born ? info.stx_btime.tv_sec : info.stx_ctime.tv_sec;
    facts.ageDays = (static_cast<int64_t>(now) - created) / kSecondsPerDay;
    return true;
}

bool TempFileRuleHolds(DWORD flags, const TempFileFacts& facts)
{
    if (flags & CDSFileUtils::TempFile_Always)
        return true;
    if ((flags & CDSFileUtils::TempFile_OlderThanADay) && facts.ageDays > 0)
        return true;
    if ((flags & CDSFileUtils::TempFile_OlderThanSixDays) && facts.ageDays > 6)
        return true;
    for (const SizeRule& rule : kSizeRules) {
        if ((flags & rule.bit) && facts.size > rule.largerThan)
            return true;
    }
    return false;
}
