#include "dsutils/DSTimeStr.h"

#include "platform/StringConv.h"
#include "platform/WideFormat.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <langinfo.h>
#include <locale.h>
#include <string>

namespace {

constexpr double kUnitsPerSecond = 10000000.0;
constexpr size_t kUnbounded = SIZE_MAX;

// Seconds as a reference time, truncated toward zero; times beyond the range of a reference
// time stop at its ends and NaN gives 0, where a plain conversion would be undefined.
REFERENCE_TIME RefTimeFromSeconds(double seconds)
{
    double units = seconds * kUnitsPerSecond;
    if (std::isnan(units))
        return 0;
    if (units >= 9.2233720368547758e18)
        return INT64_MAX;
    if (units <= -9.2233720368547758e18)
        return INT64_MIN;
    return static_cast<REFERENCE_TIME>(units);
}

// A time split into the fields every text is made of. Fields are not rounded.
struct TimeParts
{
    bool negative = false;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    double fraction = 0.0;
    int sub = 0;
};

// Doubles far outside int (absurd resolutions, NaN) must not reach a conversion to int.
int ClampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

// Multiplies by the reciprocals rather than dividing, so that the fields come out exactly as
// the application's other displays of the same time.
TimeParts SplitTime(REFERENCE_TIME refTime, double resolution)
{
    TimeParts parts;
    double seconds = static_cast<double>(refTime) * 1e-7;
    if (seconds < 0) {
        parts.negative = true;
        seconds = -seconds;
    }
    double hours = std::floor(seconds * (1.0 / 3600.0));
    seconds -= 3600.0 * hours;
    double minutes = std::floor(seconds * (1.0 / 60.0));
    seconds -= 60.0 * minutes;
    double whole = std::floor(seconds);
    parts.hours = ClampToInt(hours);
    parts.minutes = ClampToInt(minutes);
    parts.seconds = ClampToInt(whole);
    parts.fraction = seconds - whole;
    parts.sub = ClampToInt(std::floor(parts.fraction * resolution));
    return parts;
}

// Whole seconds round half up only beyond one half, carrying into minutes and hours.
void RoundToWholeSecond(TimeParts& parts)
{
    if (!(parts.fraction > 0.5))
        return;
    if (++parts.seconds == 60) {
        parts.seconds = 0;
        if (++parts.minutes == 60) {
            parts.minutes = 0;
            ++parts.hours;
        }
    }
}

// The decimal separator of the user's numeric locale (LC_ALL, LC_NUMERIC or LANG), at most
// three characters; "." when the user's locale is not available.
std::wstring UserDecimalSeparator()
{
    std::wstring separator = L".";
    locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (!user)
        return separator;
    const char* radix = nl_langinfo_l(RADIXCHAR, user);
    if (radix && *radix)
        separator = Utf8ToWide(radix);
    freelocale(user);
    if (separator.size() > 3)
        separator.resize(3);
    return separator;
}

bool IsFlagOrDigit(wchar_t c)
{
    return (c >= L'0' && c <= L'9') || c == L'-' || c == L'+' || c == L' ' || c == L'#' ||
           c == L'.';
}

// The caller's format receives ints only; any other conversion, or more than four of them,
// would read arguments that are not there.
bool IsIntFormat(const wchar_t* format)
{
    int conversions = 0;
    for (const wchar_t* at = format; *at; ++at) {
        if (*at != L'%')
            continue;
        ++at;
        if (*at == L'%')
            continue;
        while (IsFlagOrDigit(*at))
            ++at;
        if (!*at || !std::wcschr(L"diouxX", *at))
            return false;
        ++conversions;
    }
    return conversions <= 4;
}

// The text behind a format's next unit: two characters behind its next comma (the comma and
// the blank after it), or null when there is no comma. Never beyond the terminator.
const wchar_t* NextUnit(const wchar_t* format)
{
    const wchar_t* comma = std::wcschr(format, L',');
    if (!comma)
        return nullptr;
    const wchar_t* rest = comma + 1;
    return *rest ? rest + 1 : rest;
}

// Every call passes four ints so that a format always finds as many as it may ask for.
std::wstring DroppingLeadingUnits(const wchar_t* format, const TimeParts& parts)
{
    if (parts.hours != 0)
        return FormatWide(format, parts.hours, parts.minutes, parts.seconds, parts.sub);
    const wchar_t* minutesOn = NextUnit(format);
    if (!minutesOn)
        return FormatWide(format, 0, parts.minutes, parts.seconds, parts.sub);
    if (parts.minutes != 0)
        return FormatWide(minutesOn, parts.minutes, parts.seconds, parts.sub, 0);
    const wchar_t* secondsOn = NextUnit(minutesOn);
    if (!secondsOn)
        return FormatWide(format, 0, 0, parts.seconds, parts.sub);
    return FormatWide(secondsOn, parts.seconds, parts.sub, 0, 0);
}

std::wstring AllUnits(const wchar_t* format, const TimeParts& parts)
{
    return FormatWide(format, parts.hours, parts.minutes, parts.seconds, parts.sub);
}

// Copies text into out when it fits in outSize characters with its terminator.
wchar_t* Deliver(wchar_t* out, size_t outSize, const std::wstring& text)
{
    if (text.size() >= outSize) {
        if (outSize > 0)
            out[0] = L'\0';
        return nullptr;
    }
    std::wmemcpy(out, text.c_str(), text.size() + 1);
    return out;
}

using UnitsFormatter = std::wstring (*)(const wchar_t*, const TimeParts&);

wchar_t* FormatCustom(UnitsFormatter formatter, wchar_t* out, size_t outSize, const wchar_t* format,
                      REFERENCE_TIME refTime, double resolution)
{
    if (!out || !format || !IsIntFormat(format))
        return nullptr;
    return Deliver(out, outSize, formatter(format, SplitTime(refTime, resolution)));
}

} // namespace

CDSTimeStr::CDSTimeStr()
{
    formatStrings();
}

CDSTimeStr::CDSTimeStr(REFERENCE_TIME refTime) : m_rtTime(refTime)
{
    formatStrings();
}

CDSTimeStr::CDSTimeStr(double seconds) : CDSTimeStr(seconds, 0.0) {}

CDSTimeStr::CDSTimeStr(double seconds, double resolution)
    : m_rtTime(RefTimeFromSeconds(seconds)), m_dResolution(resolution)
{
    formatStrings();
}

CDSTimeStr::CDSTimeStr(const CDSTimeStr& other)
    : m_rtTime(other.m_rtTime), m_dResolution(other.m_dResolution)
{
    std::wmemcpy(m_szText, other.m_szText, 32);
}

CDSTimeStr::~CDSTimeStr() = default;

CDSTimeStr& CDSTimeStr::operator=(REFERENCE_TIME refTime)
{
    m_rtTime = refTime;
    formatStrings();
    return *this;
}

CDSTimeStr& CDSTimeStr::operator=(double seconds)
{
    return *this = RefTimeFromSeconds(seconds);
}

CDSTimeStr& CDSTimeStr::operator=(const CDSTimeStr& other)
{
    return *this = other.m_rtTime;
}

CDSTimeStr::operator double() const
{
    return static_cast<double>(m_rtTime) * 1e-7;
}

void CDSTimeStr::formatStrings()
{
    TimeParts parts = SplitTime(m_rtTime, m_dResolution);
    wchar_t sign = parts.negative ? L'-' : L' ';
    if (m_dResolution == 0.0) {
        RoundToWholeSecond(parts);
        if (parts.hours == 0)
            std::swprintf(m_szText, 32, L"%lc%2d:%02d", sign, parts.minutes, parts.seconds);
        else
            std::swprintf(m_szText, 32, L"%lc%2d:%02d:%02d", sign, parts.hours, parts.minutes,
                          parts.seconds);
    } else if (m_dResolution >= 100.0) {
        std::wstring separator = UserDecimalSeparator();
        const wchar_t* format =
            m_dResolution == 100.0 ? L"%lc%02d:%02d:%02d%ls%02d" : L"%lc%02d:%02d:%02d%ls%03d";
        std::swprintf(m_szText, 32, format, sign, parts.hours, parts.minutes, parts.seconds,
                      separator.c_str(), parts.sub);
    } else {
        std::swprintf(m_szText, 32, L"%lc%02d:%02d:%02d:%02d", sign, parts.hours, parts.minutes,
                      parts.seconds, parts.sub);
    }
}

wchar_t* CDSTimeStr::RefTime2WCustomStr(wchar_t* out, const wchar_t* format, REFERENCE_TIME refTime,
                                        double resolution)
{
    return FormatCustom(DroppingLeadingUnits, out, kUnbounded, format, refTime, resolution);
}

wchar_t* CDSTimeStr::RefTime2WCustomStr(wchar_t* out, size_t outSize, const wchar_t* format,
                                        REFERENCE_TIME refTime, double resolution)
{
    return FormatCustom(DroppingLeadingUnits, out, outSize, format, refTime, resolution);
}

wchar_t* CDSTimeStr::RefTime2WCustomStr2(wchar_t* out, const wchar_t* format,
                                         REFERENCE_TIME refTime, double resolution)
{
    return FormatCustom(AllUnits, out, kUnbounded, format, refTime, resolution);
}

wchar_t* CDSTimeStr::RefTime2WCustomStr2(wchar_t* out, size_t outSize, const wchar_t* format,
                                         REFERENCE_TIME refTime, double resolution)
{
    return FormatCustom(AllUnits, out, outSize, format, refTime, resolution);
}
