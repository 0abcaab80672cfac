#include "dsutils/DSAppUtils.h"

#include "platform/EventLog.h"
#include "support/SyslogRecorder.h"

#include <gtest/gtest.h>

#include <syslog.h>

namespace {

TEST(ReportLogEvent, AnEventIsOneSyslogRecordUnderItsSource)
{
    SyslogRecording recording;
    const wchar_t* strings[] = {L"The burn failed", L"drive /dev/sr0"};
    CDSAppUtils::ReportLogEvent(L"Reelmark", EVENTLOG_ERROR_TYPE, 500, 2, 2, strings);

    ASSERT_EQ(recording.Records().size(), 1u);
    const SyslogRecord& record = recording.Records()[0];
    EXPECT_EQ(record.ident, "Reelmark");
    EXPECT_EQ(record.priority, LOG_ERR);
    EXPECT_EQ(record.text, "event 500, category 2: The burn failed; drive /dev/sr0");
    EXPECT_TRUE(recording.Closed()) << "the source is deregistered";
}

} // namespace
