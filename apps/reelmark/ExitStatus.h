// The exit statuses of the program, the same for every command.
#pragma once

enum class ExitStatus : int
{
    Success = 0,
    // The command ran, and what it found stops the project from being burned.
    Findings = 1,
    // The command line was wrong: an unknown command or option, a missing or bad argument.
    Usage = 2,
    // The command could not do its work: a missing or malformed file, a failed operation.
    Failure = 3,
};
