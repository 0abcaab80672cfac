// Media the benchmarks share, made once in a folder of the temporary directory and kept
// there for later runs.
#pragma once

#include <string>

// A 10-minute clip of 720 × 480 square pixels at 25 frames a second, a keyframe every 15
// frames, each frame in colours of its own (tests/support/ClipWriter.h).
const std::wstring& TenMinuteClip();

// The folder the media are kept in.
std::wstring BenchMediaFolder();
