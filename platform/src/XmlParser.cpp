// pugixml parses; what it lets through but XML forbids is refused here. pugixml keeps text at
// the top level only in fragment mode, so documents are parsed as fragments and the top level
// is checked here. References are left undecoded by pugixml and decoded here, because pugixml
// keeps a reference to an unknown entity as literal text, which would change the data.
#include "XmlParser.h"

#include "XmlNodeRef.h"

#include "platform/StringConv.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <vector>

namespace {

// Whitespace between elements is dropped, but whitespace text that is an element's only child
// is kept, so that an element whose text is " " reads back as written.
constexpr unsigned kParseOptions = pugi::parse_cdata | pugi::parse_wconv_attribute |
                                   pugi::parse_eol | pugi::parse_pi | pugi::parse_comments |
                                   pugi::parse_declaration | pugi::parse_doctype |
                                   pugi::parse_fragment | pugi::parse_ws_pcdata_single;

// Longest piece of a bad reference quoted in a reason.
constexpr size_t kQuotedReference = 32;

struct PredefinedEntity
{
    std::string_view name;
    char value;
};

constexpr PredefinedEntity kPredefinedEntities[] = {
    {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"apos", '\''}, {"quot", '"'},
};

bool Fail(std::wstring& reason, const std::wstring& what, pugi::xml_node where)
{
    reason = what + L" at offset " + std::to_wstring(where.offset_debug());
    return false;
}

// Appends the character of a reference body ("#65", "#x41"); any character but NUL may be
// referred to, as pugixml writes control characters as references.
bool AppendCharacter(std::string_view body, std::string& out)
{
    bool hex = body.size() > 1 && body[1] == 'x';
    std::string_view digits = body.substr(hex ? 2 : 1);
    uint32_t code = 0;
    auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return false;
    out += WideToUtf8(std::wstring(1, static_cast<wchar_t>(code)));
    return true;
}

bool AppendReference(std::string_view body, std::string& out)
{
    if (!body.empty() && body.front() == '#')
        return AppendCharacter(body, out);
    for (const PredefinedEntity& entity : kPredefinedEntities) {
        if (body == entity.name) {
            out += entity.value;
            return true;
        }
    }
    return false;
}

// The text with its references replaced; false with the offending reference in bad.
bool Decode(std::string_view text, std::string& decoded, std::string& bad)
{
    decoded.clear();
    for (size_t at = 0; at < text.size();) {
        size_t amp = std::min(text.find('&', at), text.size());
        decoded.append(text.substr(at, amp - at));
        if (amp == text.size())
            break;
        size_t end = text.find(';', amp);
        if (end == std::string_view::npos) {
            bad = text.substr(amp, kQuotedReference);
            return false;
        }
        if (!AppendReference(text.substr(amp + 1, end - amp - 1), decoded)) {
            bad = text.substr(amp, std::min(end - amp + 1, kQuotedReference));
            return false;
        }
        at = end + 1;
    }
    return true;
}

// Replaces the references in the value of target (an attribute or a text node).
template <class Target> bool DecodeValue(Target target, pugi::xml_node where, std::wstring& reason)
{
    if (!std::strchr(target.value(), '&'))
        return true;
    std::string decoded;
    std::string bad;
    if (!Decode(target.value(), decoded, bad))
        return Fail(reason, L"undeclared or malformed reference '" + ToWide(bad) + L"'", where);
    target.set_value(decoded.c_str());
    return true;
}

bool DecodeAttributes(pugi::xml_node node, std::wstring& reason)
{
    for (pugi::xml_attribute attribute : node.attributes())
        if (!DecodeValue(attribute, node, reason))
            return false;
    return true;
}

bool CheckUniqueAttributes(pugi::xml_node element, std::wstring& reason)
{
    std::vector<std::string_view> names;
    for (pugi::xml_attribute attribute : element.attributes())
        names.emplace_back(attribute.name());
    std::sort(names.begin(), names.end());
    auto twice = std::adjacent_find(names.begin(), names.end());
    if (twice == names.end())
        return true;
    return Fail(reason, L"attribute '" + ToWide(*twice) + L"' given twice", element);
}

bool CheckNode(pugi::xml_node node, std::wstring& reason)
{
    switch (node.type()) {
    case pugi::node_element:
        return CheckUniqueAttributes(node, reason) && DecodeAttributes(node, reason);
    case pugi::node_declaration:
        return DecodeAttributes(node, reason);
    case pugi::node_pcdata:
        return DecodeValue(node, node, reason);
    default:
        return true;
    }
}

bool IsWhitespace(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Text that is whitespace once its references are decoded ("&#32;") is whitespace between
// elements too, however it was spelled, and goes like the whitespace pugixml drops; otherwise
// the document would read back different after it is written.
void DropWhitespaceBetweenElements(pugi::xml_node document)
{
    std::vector<pugi::xml_node> dropped;
    WalkSubtree(document, [&dropped](pugi::xml_node node) {
        bool alone = node.parent().first_child() == node && node.parent().last_child() == node;
        if (node.type() == pugi::node_pcdata && !alone && IsWhitespace(node.value()))
            dropped.push_back(node);
        return true;
    });
    for (pugi::xml_node node : dropped)
        node.parent().remove_child(node);
}

bool CheckTopLevel(pugi::xml_node document, std::wstring& reason)
{
    int elements = 0;
    int doctypes = 0;
    for (pugi::xml_node child : document.children()) {
        pugi::xml_node_type type = child.type();
        if (type == pugi::node_declaration && child != document.first_child())
            return Fail(reason, L"XML declaration not at the start", child);
        if (type == pugi::node_pcdata || type == pugi::node_cdata)
            return Fail(reason, L"text outside the document element", child);
        if (type == pugi::node_element && ++elements > 1)
            return Fail(reason, L"more than one document element", child);
        if (type == pugi::node_doctype && (elements > 0 || ++doctypes > 1))
            return Fail(reason, L"misplaced document type declaration", child);
    }
    if (elements == 0)
        reason = L"No document element found";
    return elements == 1;
}

} // namespace

namespace XmlParser {

bool Parse(const void* bytes, size_t size, pugi::xml_encoding encoding, pugi::xml_document& tree,
           std::wstring& reason)
{
    pugi::xml_parse_result result = tree.load_buffer(bytes, size, kParseOptions, encoding);
    if (!result) {
        reason = ToWide(result.description()) + L" at offset " + std::to_wstring(result.offset);
        return false;
    }
    if (!CheckTopLevel(tree, reason) ||
        !WalkSubtree(tree, [&reason](pugi::xml_node node) { return CheckNode(node, reason); }))
        return false;
    DropWhitespaceBetweenElements(tree);
    return true;
}

} // namespace XmlParser
