// Checks that keep deletions inside the folders the library owns.
#pragma once

#include <string>
#include <string_view>

// Whether path is root or lies below it, once both are made absolute, normalised and their
// symbolic links resolved (as far as they exist). An empty root holds nothing.
bool LiesWithin(const std::wstring& path, const std::wstring& root);

// Whether a path has a ".." component.
bool HasParentStep(std::wstring_view path);

// Whether a relative part appended to a folder stays below that folder: it is not absolute
// and has no ".." component.
bool StaysBelow(std::wstring_view relative);
