// The program as a whole: reads the command line, runs the command it names and gives the
// exit status (see ExitStatus.h). Usage errors are one line on standard error; --help is
// answered on standard output.
#pragma once

#include "Console.h"

int RunProgram(int argc, const char* const* argv, Console& console);
