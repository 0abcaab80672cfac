// Appending the validator's findings.
#pragma once

#include "dsutils/ErrorInfo.h"

#include <vector>

// Appends a finding about an object and hands it out for its further fields.
inline CErrorInfo& AddFinding(std::vector<CErrorInfo>& errors, eErrorCodes code,
                              eErrorSeverity severity, LONG lItemID)
{
    CErrorInfo& error = errors.emplace_back();
    error.setErrorCode(code);
    error.setErrorSeverity(severity);
    error.setItemID(lItemID);
    return error;
}
