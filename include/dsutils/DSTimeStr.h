// A reference time (100-ns units) with its display text, and formatters that write a time
// with a format of the caller's.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>

class CDSTimeStr
{
public:
    // Time 0, whole seconds.
    CDSTimeStr();
    // Whole seconds.
    CDSTimeStr(REFERENCE_TIME refTime);
    // seconds × 10,000,000 truncated toward zero; whole seconds.
    CDSTimeStr(double seconds);
    // resolution: 0 whole seconds (rounded); below 100 a frame rate (frames counted,
    // truncated); 100 hundredths; any other value of 100 or more thousandths-style digits,
    // the sub-second field being floor(fraction × resolution).
    CDSTimeStr(double seconds, double resolution);
    CDSTimeStr(const CDSTimeStr& other);
    virtual ~CDSTimeStr();

    // Assignments change the time only: the resolution of this object stays, also when
    // another CDSTimeStr is assigned. The text is rebuilt.
    CDSTimeStr& operator=(REFERENCE_TIME refTime);
    CDSTimeStr& operator=(double seconds);
    CDSTimeStr& operator=(const CDSTimeStr& other);

    operator REFERENCE_TIME() const { return m_rtTime; }
    // The time in seconds.
    operator double() const;
    // The display text: a sign position ('-' or a blank) followed by the time, for example
    // "  0:00", " 1:02:03", " 01:02:03.25", " 00:00:10:12". Valid while the object lives and
    // its time is not changed.
    operator const wchar_t*() const { return m_szText; }

    // Writes refTime with the caller's format, which takes the ints hours, minutes, seconds and
    // sub-second count in this order; commas separate the units. Leading units that are zero
    // are dropped: with no hours the text starts two characters behind the format's first
    // comma, with no minutes either two characters behind its second. No sign is written.
    // The format may hold only int conversions (d, i, u, o, x, X, with flags, width and
    // precision) and "%%". Returns out, or null (writing nothing) when out or format is null
    // or the format holds another conversion.
    // This form cannot know the size of out: the caller sizes it for every text its format can
    // produce. Prefer the form with outSize.
    static wchar_t* RefTime2WCustomStr(wchar_t* out, const wchar_t* format, REFERENCE_TIME refTime,
                                       double resolution);
    // As above, writing at most outSize characters including the terminator. Returns null when
    // the text does not fit; out then holds the empty string (when outSize > 0).
    static wchar_t* RefTime2WCustomStr(wchar_t* out, size_t outSize, const wchar_t* format,
                                       REFERENCE_TIME refTime, double resolution);

    // Writes refTime with the caller's format, which always receives hours, minutes, seconds
    // and the sub-second count; nothing is dropped and no sign is written. The same rules for
    // the format and the result as RefTime2WCustomStr.
    static wchar_t* RefTime2WCustomStr2(wchar_t* out, const wchar_t* format, REFERENCE_TIME refTime,
                                        double resolution);
    static wchar_t* RefTime2WCustomStr2(wchar_t* out, size_t outSize, const wchar_t* format,
                                        REFERENCE_TIME refTime, double resolution);

protected:
    // Rebuilds the display text from the time and the resolution.
    void formatStrings();

    REFERENCE_TIME m_rtTime = 0;
    double m_dResolution = 0.0;
    wchar_t m_szText[32] = {};
};
