// FFmpeg writes its own remarks about the files it reads to standard error; the program says
// what went wrong in its own words instead, and shows FFmpeg's warnings only with --verbose.
#pragma once

void QuietMediaLibraries(bool verbose);
