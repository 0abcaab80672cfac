// Text and file output for code that runs in a fatal-signal handler. Everything here keeps to
// the calls such a handler may make (open, read, write, close, mkdir) and to fixed buffers: it
// allocates nothing and takes no lock. The texts of a report are prepared before any signal
// comes; the handler only writes them out.
#pragma once

#include <cstddef>
#include <cstdint>

// Writes every byte, again after an interruption or a short write; false on a failure.
bool SignalSafeWrite(int fd, const char* bytes, size_t size);
bool SignalSafeWrite(int fd, const char* text);

// The UTF-8 form of a wide text of any length; values that are not Unicode scalar values
// become '?'.
bool SignalSafeWriteWide(int fd, const wchar_t* text);

// Appends everything that can still be read from source to fd; false on a failure.
bool SignalSafeCopy(int source, int fd);

// The UTF-8 bytes of one character ('?' for a value that is not a Unicode scalar value) in
// out; returns how many.
size_t EncodeUtf8(uint32_t c, char out[4]);

// Makes the folder and every missing folder above it; false when one cannot be made.
bool SignalSafeMakeFolders(const char* path);

// A text of at most Capacity - 1 bytes, built by appending; what does not fit is dropped and
// marks the text as cut, so that a cut path is never used.
template <size_t Capacity> class FixedText
{
public:
    FixedText() { m_text[0] = '\0'; }

    FixedText& Append(const char* text)
    {
        for (; text && *text; ++text)
            AppendByte(*text);
        return *this;
    }
    // The UTF-8 form of a wide text (see EncodeUtf8).
    FixedText& AppendWide(const wchar_t* text)
    {
        for (; text && *text; ++text)
            AppendCodePoint(static_cast<uint32_t>(*text));
        return *this;
    }
    FixedText& AppendDecimal(long long value)
    {
        unsigned long long magnitude = static_cast<unsigned long long>(value);
        if (value < 0)
            magnitude = 0ull - magnitude;
        if (value < 0)
            AppendByte('-');
        return AppendDigits(magnitude, 10, 1);
    }
    // "0x" and at least minDigits lower-case hexadecimal digits.
    FixedText& AppendHex(uint64_t value, int minDigits)
    {
        Append("0x");
        return AppendDigits(value, 16, minDigits);
    }
    FixedText& AppendByte(char c)
    {
        if (m_length + 1 < Capacity) {
            m_text[m_length++] = c;
            m_text[m_length] = '\0';
        } else {
            m_cut = true;
        }
        return *this;
    }
    void Clear()
    {
        m_length = 0;
        m_text[0] = '\0';
        m_cut = false;
    }

    const char* Text() const { return m_text; }
    size_t Length() const { return m_length; }
    bool Empty() const { return m_length == 0; }
    bool Cut() const { return m_cut; }

private:
    FixedText& AppendDigits(uint64_t value, unsigned base, int minDigits)
    {
        char digits[24];
        int count = 0;
        do {
            digits[count++] = "0123456789abcdef"[value % base];
            value /= base;
        } while (value && count < 24);
        for (; count < minDigits && count < 24; ++count)
            digits[count] = '0';
        while (count > 0)
            AppendByte(digits[--count]);
        return *this;
    }

    // A character is appended whole or not at all.
    void AppendCodePoint(uint32_t c)
    {
        char bytes[4];
        size_t count = EncodeUtf8(c, bytes);
        if (m_length + count >= Capacity) {
            m_cut = true;
            return;
        }
        for (size_t i = 0; i < count; ++i)
            m_text[m_length++] = bytes[i];
        m_text[m_length] = '\0';
    }

    char m_text[Capacity];
    size_t m_length = 0;
    bool m_cut = false;
};
