#include "platform/EventLog.h"
#include "support/SyslogRecorder.h"

#include <gtest/gtest.h>

#include <syslog.h>

namespace {

TEST(EventLog, AnEventIsOneSyslogRecordOfItsSource)
{
    SyslogRecording recording;
    HANDLE source = RegisterEventSourceW(nullptr, L"Reelmark Ü");
    ASSERT_NE(source, nullptr);
    LPCWSTR strings[] = {L"first", L"second"};
    ASSERT_TRUE(
        ReportEventW(source, EVENTLOG_ERROR_TYPE, 3, 1001, nullptr, 2, 0, strings, nullptr));
    ASSERT_TRUE(DeregisterEventSource(source));

    ASSERT_EQ(recording.Records().size(), 1u);
    const SyslogRecord& record = recording.Records()[0];
    EXPECT_EQ(record.ident, "Reelmark Ü");
    EXPECT_EQ(record.facility, LOG_USER);
    EXPECT_EQ(record.priority, LOG_ERR);
    EXPECT_EQ(record.text, "event 1001, category 3: first; second");
    EXPECT_TRUE(recording.Closed());
}

TEST(EventLog, TypesMapToPriorities)
{
    const std::pair<WORD, int> types[] = {
        {EVENTLOG_SUCCESS, LOG_INFO},          {EVENTLOG_INFORMATION_TYPE, LOG_INFO},
        {EVENTLOG_WARNING_TYPE, LOG_WARNING},  {EVENTLOG_AUDIT_SUCCESS, LOG_NOTICE},
        {EVENTLOG_AUDIT_FAILURE, LOG_WARNING},
    };
    SyslogRecording recording;
    HANDLE source = RegisterEventSourceW(nullptr, L"Types");
    for (const auto& [type, priority] : types) {
        ASSERT_TRUE(ReportEventW(source, type, 0, 7, nullptr, 0, 0, nullptr, nullptr));
        EXPECT_EQ(recording.Records().back().priority, priority) << type;
    }
    EXPECT_EQ(recording.Records().back().text, "event 7, category 0:");
    EXPECT_FALSE(ReportEventW(source, 0x20, 0, 7, nullptr, 0, 0, nullptr, nullptr));
    DeregisterEventSource(source);
}

TEST(EventLog, WhatCannotBeWrittenIsRefusedAndWritesNothing)
{
    SyslogRecording recording;
    EXPECT_EQ(RegisterEventSourceW(L"otherhost", L"Reelmark"), nullptr);
    EXPECT_EQ(RegisterEventSourceW(nullptr, L""), nullptr);
    HANDLE source = RegisterEventSourceW(nullptr, L"Reelmark");
    int sid = 0;
    BYTE raw[4] = {};
    EXPECT_FALSE(ReportEventW(source, EVENTLOG_ERROR_TYPE, 0, 1, &sid, 0, 0, nullptr, nullptr));
    EXPECT_FALSE(ReportEventW(source, EVENTLOG_ERROR_TYPE, 0, 1, nullptr, 0, 4, nullptr, raw));
    EXPECT_FALSE(ReportEventW(source, EVENTLOG_ERROR_TYPE, 0, 1, nullptr, 2, 0, nullptr, nullptr));
    ASSERT_TRUE(DeregisterEventSource(source));
    EXPECT_FALSE(ReportEventW(source, EVENTLOG_ERROR_TYPE, 0, 1, nullptr, 0, 0, nullptr, nullptr));
    EXPECT_FALSE(DeregisterEventSource(source));
    EXPECT_TRUE(recording.Records().empty());
}

} // namespace
