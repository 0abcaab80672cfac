// The system's event log, written through syslog (facility LOG_USER). A program registers an
// event source by name, reports events through it and deregisters it; each event becomes one
// syslog record whose identity is the source's name. Nothing is read back.
#pragma once

#include "platform/GlobalMemory.h"
#include "platform/WinTypes.h"

// Event types and the syslog priorities they are written with.
constexpr WORD EVENTLOG_SUCCESS = 0x0000;          // LOG_INFO
constexpr WORD EVENTLOG_ERROR_TYPE = 0x0001;       // LOG_ERR
constexpr WORD EVENTLOG_WARNING_TYPE = 0x0002;     // LOG_WARNING
constexpr WORD EVENTLOG_INFORMATION_TYPE = 0x0004; // LOG_INFO
constexpr WORD EVENTLOG_AUDIT_SUCCESS = 0x0008;    // LOG_NOTICE
constexpr WORD EVENTLOG_AUDIT_FAILURE = 0x0010;    // LOG_WARNING

// A source on the local machine (server must be null); null for another machine or a null or
// empty name.
HANDLE RegisterEventSourceW(LPCWSTR server, LPCWSTR source);

// Writes one record: "event <id>, category <category>: " and the strings joined by "; ".
// userSid and raw data are not kept (the call fails when they are given). FALSE for an unknown
// source, an unknown type, or strings missing while stringCount says there are some.
BOOL ReportEventW(HANDLE source, WORD type, WORD category, DWORD eventId, void* userSid,
                  WORD stringCount, DWORD dataSize, LPCWSTR* strings, LPVOID data);

// Forgets the source; FALSE for an unknown one.
BOOL DeregisterEventSource(HANDLE source);
