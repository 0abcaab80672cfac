// Content files the library itself names, kept with their path macro so that stored
// productions stay valid wherever the content is installed.
#pragma once

// The picture shown where a menu's background or a title's picture is missing.
inline constexpr wchar_t kPlaceholderPicture[] = L"%CONTENT%/DVD/Mandatory/PlaceHolder.png";
