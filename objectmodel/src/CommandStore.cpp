#include "CommandStore.h"

#include "AttributeReader.h"
#include "AttributeWriter.h"
#include "XmlNodes.h"

#include "platform/Check.h"
#include "platform/TaskMemory.h"

namespace objectmodel {

namespace {

HRESULT NodeText(IXMLDOMNode* node, std::wstring& text)
{
    text.clear();
    if (!node)
        return S_OK;
    DOMNodeType type = NODE_INVALID;
    CHECK_HR(node->get_nodeType(&type));
    if (type != NODE_ELEMENT)
        return E_INVALIDARG;
    return XmlTextOf(node, text);
}

HRESULT MakeNodes(const std::vector<std::wstring>& texts, std::vector<CComPtr<IXMLDOMNode>>& nodes)
{
    nodes.resize(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].empty())
            continue;
        CComPtr<IXMLDOMElement> element;
        CHECK_HR(ParseElement(texts[i], element));
        nodes[i] = element.p;
    }
    return S_OK;
}

} // namespace

HRESULT CommandStore::Get(LONG* count, DiscCommandParams** commands) const
{
    if (!count || !commands)
        return E_POINTER;
    *count = 0;
    *commands = nullptr;
    if (m_commands.empty())
        return S_OK;
    std::vector<std::wstring> texts;
    for (const Command& command : m_commands)
        texts.push_back(command.node);
    std::vector<CComPtr<IXMLDOMNode>> nodes;
    CHECK_HR(MakeNodes(texts, nodes));
    auto* entries = static_cast<DiscCommandParams*>(
        CoTaskMemAlloc(m_commands.size() * sizeof(DiscCommandParams)));
    if (!entries)
        return E_OUTOFMEMORY;
    for (size_t i = 0; i < m_commands.size(); ++i) {
        const Command& command = m_commands[i];
        entries[i] = {command.command, command.param1, command.param2, nodes[i].Detach()};
    }
    *count = Count();
    *commands = entries;
    return S_OK;
}

HRESULT CommandStore::Set(LONG count, const DiscCommandParams* commands)
{
    if (count < 0)
        return E_INVALIDARG;
    if (count > 0 && !commands)
        return E_POINTER;
    std::vector<Command> replacement(static_cast<size_t>(count));
    for (size_t i = 0; i < replacement.size(); ++i) {
        const DiscCommandParams& entry = commands[i];
        replacement[i].command = entry.command;
        replacement[i].param1 = entry.param1;
        replacement[i].param2 = entry.param2;
        CHECK_HR(NodeText(entry.node, replacement[i].node));
    }
    m_commands.swap(replacement);
    return S_OK;
}

HRESULT CommandStore::WriteXml(IXMLDOMNode* parent) const
{
    CComPtr<IXMLDOMElement> list;
    CHECK_HR(AppendElement(parent, L"Commands", list));
    for (Command command : m_commands) {
        CComPtr<IXMLDOMElement> element;
        CHECK_HR(AppendElement(list, L"Command", element));
        AttributeWriter writer(element);
        command.VisitFields(writer);
        CHECK_HR(writer.Result());
        if (!command.node.empty())
            CHECK_HR(AppendXmlText(element, command.node));
    }
    return S_OK;
}

HRESULT CommandStore::ReadXml(IXMLDOMElement* element)
{
    std::vector<CComPtr<IXMLDOMElement>> children;
    CHECK_HR(ElementChildren(element, children));
    std::vector<Command> replacement(children.size());
    for (size_t i = 0; i < children.size(); ++i)
        CHECK_HR(ReadCommand(children[i], replacement[i]));
    m_commands.swap(replacement);
    return S_OK;
}

HRESULT CommandStore::ReadCommand(IXMLDOMElement* element, Command& command)
{
    if (NodeName(element) != L"Command")
        return REPORT_MALFORMED(L"a command list holds the element \"" + NodeName(element) + L"\"");
    AttributeReader reader(element);
    command.VisitFields(reader);
    CHECK_HR(reader.Result());
    std::vector<CComPtr<IXMLDOMElement>> nodes;
    CHECK_HR(ElementChildren(element, nodes));
    if (nodes.size() > 1)
        return REPORT_MALFORMED(L"a command holds more than one node");
    if (!nodes.empty())
        CHECK_HR(XmlTextOf(nodes.front(), command.node));
    return S_OK;
}

} // namespace objectmodel
