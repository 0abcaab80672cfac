// Media file names as the application hands them over: plain paths ("/home/me/clip.mp4") or
// names with a protocol ("file:///home/me/My%20Clip.mp4", "http://host/clip.mp4").
#pragma once

#include <string>
#include <string_view>

// Splits a name into protocol, host, path (folder), file name and extension, and composes it
// again. A protocol is a scheme (a letter, then letters, digits, "+", "-" or ".") followed by
// ":/"; a host follows the protocol only when "//" does. Only "/" separates folders.
class CQTRShellNameSplitter
{
public:
    explicit CQTRShellNameSplitter(std::wstring_view name);

    // The protocol as written, without its colon ("file", "HTTP"); empty for a plain path.
    const std::wstring& GetProtocol() const { return m_protocol; }
    // The host of "proto://host/…"; empty for a plain path and for "file:///…".
    const std::wstring& GetHost() const { return m_host; }
    // The folder part with its last "/" ("/home/me/"); empty for a bare file name.
    const std::wstring& GetPath() const { return m_path; }
    // The file name without its extension ("clip").
    const std::wstring& GetFileName() const { return m_fileName; }
    // The extension without its dot ("mp4"): the text after the last "." of the file name,
    // unless that dot starts the name (".profile" has none). Empty without one.
    const std::wstring& GetExtension() const { return m_extension; }

    // The canonical form: a name with a protocol is written with the protocol in lower case
    // and "://" before the host ("FILE:/home/a.mp4" gives "file:///home/a.mp4"); a plain path
    // is given back as it stands.
    std::wstring Compose() const;
    // Whether the name stands for a file of this machine: a plain path, or a "file" name
    // without a host or with the host "localhost".
    bool IsLocal() const;
    // The path of that file: a plain path as it stands, a "file" name's path with its %XX
    // escapes decoded (as UTF-8). Empty for a name that is not local.
    std::wstring GetLocalPath() const;

private:
    void SplitProtocol(std::wstring_view& rest);
    void SplitFileName(std::wstring_view rest);

    std::wstring m_name;
    std::wstring m_protocol;
    std::wstring m_host;
    std::wstring m_path;
    std::wstring m_fileName;
    std::wstring m_extension;
    bool m_hasDot = false;
};
