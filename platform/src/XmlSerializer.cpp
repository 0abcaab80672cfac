// Nodes are written as they stand, without indentation, so that text reads back exactly;
// only the top-level nodes of a document stand each on a line of its own.
#include "XmlSerializer.h"

#include <string_view>

namespace {

struct StringWriter : pugi::xml_writer
{
    void write(const void* data, size_t size) override
    {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

// The end of the construct that starts at text[at] and that holds its characters as they are
// (a comment, a CDATA section, a processing instruction, a document type), or npos for text.
size_t EndOfVerbatim(std::string_view text, size_t at)
{
    struct Verbatim
    {
        std::string_view start;
        std::string_view end;
    };
    static constexpr Verbatim kVerbatim[] = {
        {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}, {"<!", ">"}};
    for (const Verbatim& kind : kVerbatim) {
        if (text.substr(at, kind.start.size()) == kind.start) {
            size_t end = text.find(kind.end, at + kind.start.size());
            return end == std::string_view::npos ? text.size() : end + kind.end.size();
        }
    }
    return std::string_view::npos;
}

// pugixml writes a carriage return of text as it stands, which reading turns into a line
// feed; written as a reference it reads back as itself. Attribute values are escaped already,
// and comments, CDATA sections and instructions cannot hold a reference.
std::string ReferToCarriageReturns(const std::string& printed)
{
    if (printed.find('\r') == std::string::npos)
        return printed;
    std::string text;
    text.reserve(printed.size() + 16);
    for (size_t at = 0; at < printed.size();) {
        size_t end = printed[at] == '<' ? EndOfVerbatim(printed, at) : std::string::npos;
        if (end != std::string::npos) {
            text.append(printed, at, end - at);
            at = end;
            continue;
        }
        text += printed[at] == '\r' ? std::string("&#13;") : std::string(1, printed[at]);
        ++at;
    }
    return text;
}

std::string Printed(pugi::xml_node node)
{
    StringWriter writer;
    node.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return ReferToCarriageReturns(writer.text);
}

// Line breaks and tabs are written as references so that attribute-value normalisation on
// reading does not turn them into spaces.
std::string AttributeXml(pugi::xml_attribute attribute)
{
    std::string text = std::string(attribute.name()) + "=\"";
    for (const char* c = attribute.value(); *c; ++c) {
        switch (*c) {
        case '&':
            text += "&amp;";
            break;
        case '<':
            text += "&lt;";
            break;
        case '>':
            text += "&gt;";
            break;
        case '"':
            text += "&quot;";
            break;
        case '\t':
            text += "&#9;";
            break;
        case '\n':
            text += "&#10;";
            break;
        case '\r':
            text += "&#13;";
            break;
        default:
            text += *c;
            break;
        }
    }
    return text + '"';
}

std::string Utf8Declaration(pugi::xml_node declaration)
{
    pugi::xml_document scratch;
    pugi::xml_node copy = scratch.append_copy(declaration);
    copy.attribute("encoding").set_value("UTF-8");
    return Printed(copy);
}

std::string DocumentText(pugi::xml_node document, bool declareUtf8)
{
    std::string text;
    for (pugi::xml_node child : document.children()) {
        bool rewrite = declareUtf8 && child.type() == pugi::node_declaration;
        text += rewrite ? Utf8Declaration(child) : Printed(child);
        text += '\n';
    }
    return text;
}

std::string DeclaredEncoding(pugi::xml_node document)
{
    pugi::xml_node declaration = document.find_child(
        [](pugi::xml_node child) { return child.type() == pugi::node_declaration; });
    return AsciiLower(declaration.attribute("encoding").value());
}

void AppendUnit(std::string& bytes, char32_t unit)
{
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>((unit >> 8) & 0xFF);
}

std::string Utf16LittleEndianWithBom(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    bytes.reserve(2 + text.size() * 2);
    for (wchar_t c : text) {
        char32_t code = static_cast<char32_t>(c);
        if (code < 0x10000) {
            AppendUnit(bytes, code);
        } else {
            AppendUnit(bytes, 0xD800 + ((code - 0x10000) >> 10));
            AppendUnit(bytes, 0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

} // namespace

namespace XmlSerializer {

HRESULT GetXml(const XmlNodeContext& context, BSTR* xml)
{
    const XmlNodeRef& ref = context.ref;
    if (ref.IsAttribute())
        return ReturnText(ToWide(AttributeXml(ref.attribute)), xml);
    if (ref.node.type() == pugi::node_document)
        return ReturnText(ToWide(DocumentText(ref.node, false)), xml);
    return ReturnText(ToWide(Printed(ref.node)), xml);
}

std::string FileBytesOf(pugi::xml_node document)
{
    std::string encoding = DeclaredEncoding(document);
    if (encoding == "utf-16")
        return Utf16LittleEndianWithBom(ToWide(DocumentText(document, false)));
    return DocumentText(document, !encoding.empty() && encoding != "utf-8");
}

} // namespace XmlSerializer
