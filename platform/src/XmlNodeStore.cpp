#include "XmlNodeStore.h"

#include "XmlNode.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <unordered_set>

namespace {

// The name of the holding-area elements that carry detached attributes; not an XML name, so
// that no query or lookup by name can meet one.
constexpr const char* kCarrierName = "#attribute";

// Detached nodes made between two collections at the least; later the budget follows the
// size of the last collection, so that collecting costs a constant share of detaching.
constexpr size_t kMinimumCollectBudget = 64;

// pugixml reports a failed allocation with a null node or attribute; here it becomes the one
// exception the platform throws.
template <class Made> Made Allocated(Made made)
{
    if (!made)
        throw std::bad_alloc();
    return made;
}

} // namespace

XmlNodeStore::XmlNodeStore()
    : m_tree(std::make_unique<pugi::xml_document>()),
      m_holding(std::make_unique<pugi::xml_document>()), m_collectBudget(kMinimumCollectBudget)
{}

XmlNodeStore::~XmlNodeStore() = default;

bool XmlNodeStore::IsHidden(pugi::xml_node node) const
{
    return node == Holding() || (node.parent() == Holding() && node.type() == pugi::node_element &&
                                 std::strcmp(node.name(), kCarrierName) == 0);
}

void XmlNodeStore::Register(XmlNode* handle)
{
    m_handles[handle->Ref().Key()] = handle;
}

void XmlNodeStore::Unregister(XmlNode* handle)
{
    auto found = m_handles.find(handle->Ref().Key());
    if (found != m_handles.end() && found->second == handle)
        m_handles.erase(found);
}

XmlNode* XmlNodeStore::Find(const void* key) const
{
    auto found = m_handles.find(key);
    return found == m_handles.end() ? nullptr : found->second;
}

pugi::xml_node XmlNodeStore::NewDetached(pugi::xml_node_type type)
{
    BeforeDetaching();
    return Allocated(Holding().append_child(type));
}

pugi::xml_node XmlNodeStore::CopyDetached(pugi::xml_node source, bool deep)
{
    BeforeDetaching();
    if (deep)
        return Allocated(Holding().append_copy(source));
    pugi::xml_node copy = Allocated(Holding().append_child(source.type()));
    copy.set_name(source.name());
    copy.set_value(source.value());
    for (pugi::xml_attribute attribute : source.attributes())
        copy.append_copy(attribute);
    return copy;
}

XmlNodeRef XmlNodeStore::CopyDetachedAttribute(pugi::xml_attribute source)
{
    pugi::xml_node carrier = NewCarrier();
    return XmlNodeRef{carrier, Allocated(carrier.append_copy(source))};
}

XmlNodeRef XmlNodeStore::NewDetachedAttribute(const char* name)
{
    pugi::xml_node carrier = NewCarrier();
    return XmlNodeRef{carrier, Allocated(carrier.append_attribute(name))};
}

pugi::xml_node XmlNodeStore::Detach(pugi::xml_node node)
{
    if (node.parent() == Holding())
        return node;
    if (!HasHandlesIn(node)) {
        node.parent().remove_child(node);
        return pugi::xml_node();
    }
    BeforeDetaching();
    return Place(node, Holding(), pugi::xml_node());
}

void XmlNodeStore::DetachAttribute(pugi::xml_node element, pugi::xml_attribute attribute)
{
    if (Find(attribute.internal_object()))
        Rebind(attribute.internal_object(), CopyDetachedAttribute(attribute));
    element.remove_attribute(attribute);
}

pugi::xml_node XmlNodeStore::Place(pugi::xml_node node, pugi::xml_node parent,
                                   pugi::xml_node before)
{
    if (node.root() == parent.root())
        return before ? parent.insert_move_before(node, before) : parent.append_move(node);
    pugi::xml_node copy = CopyInto(node, parent, before);
    MoveHandles(node, copy);
    node.parent().remove_child(node);
    return copy;
}

pugi::xml_node XmlNodeStore::CopyInto(pugi::xml_node source, pugi::xml_node parent,
                                      pugi::xml_node before)
{
    return Allocated(before ? parent.insert_copy_before(source, before)
                            : parent.append_copy(source));
}

void XmlNodeStore::ReplaceTree(std::unique_ptr<pugi::xml_document> tree)
{
    for (pugi::xml_node top = Tree().first_child(); top;) {
        pugi::xml_node next = top.next_sibling();
        if (HasHandlesIn(top))
            Place(top, Holding(), pugi::xml_node());
        top = next;
    }
    m_tree = std::move(tree);
    Collect();
}

pugi::xml_node XmlNodeStore::NewCarrier()
{
    BeforeDetaching();
    return Allocated(Holding().append_child(kCarrierName));
}

bool XmlNodeStore::HasHandlesIn(pugi::xml_node top) const
{
    if (m_handles.empty())
        return false;
    return !WalkSubtree(top, [this](pugi::xml_node node) {
        if (m_handles.count(node.internal_object()))
            return false;
        for (pugi::xml_attribute attribute : node.attributes())
            if (m_handles.count(attribute.internal_object()))
                return false;
        return true;
    });
}

// Walks the original and its copy side by side; they have the same shape.
void XmlNodeStore::MoveHandles(pugi::xml_node from, pugi::xml_node to)
{
    if (m_handles.empty())
        return;
    pugi::xml_node source = from;
    pugi::xml_node copy = to;
    while (source) {
        MoveHandlesOfNode(source, copy);
        if (source.first_child()) {
            source = source.first_child();
            copy = copy.first_child();
            continue;
        }
        while (source != from && !source.next_sibling()) {
            source = source.parent();
            copy = copy.parent();
        }
        if (source == from)
            break;
        source = source.next_sibling();
        copy = copy.next_sibling();
    }
}

void XmlNodeStore::MoveHandlesOfNode(pugi::xml_node from, pugi::xml_node to)
{
    if (Find(from.internal_object()))
        Rebind(from.internal_object(), XmlNodeRef{to, pugi::xml_attribute()});
    pugi::xml_attribute copied = to.first_attribute();
    for (pugi::xml_attribute attribute : from.attributes()) {
        if (Find(attribute.internal_object()))
            Rebind(attribute.internal_object(), XmlNodeRef{to, copied});
        copied = copied.next_attribute();
    }
}

void XmlNodeStore::Rebind(const void* oldKey, const XmlNodeRef& ref)
{
    auto found = m_handles.find(oldKey);
    XmlNode* handle = found->second;
    m_handles.erase(found);
    handle->Rebind(ref);
    m_handles[ref.Key()] = handle;
}

void XmlNodeStore::BeforeDetaching()
{
    if (++m_detachedSinceCollect > m_collectBudget)
        Collect();
}

// Marks every top-level node of the holding area that some handle reaches, walking up from
// each handle and stopping where an earlier walk passed, then destroys the rest.
void XmlNodeStore::Collect()
{
    std::unordered_set<const void*> reached;
    for (const auto& entry : m_handles) {
        pugi::xml_node node = entry.second->Ref().node;
        if (!IsInHolding(node))
            continue;
        for (; node != Holding(); node = node.parent())
            if (!reached.insert(node.internal_object()).second)
                break;
    }
    for (pugi::xml_node top = Holding().first_child(); top;) {
        pugi::xml_node next = top.next_sibling();
        if (!reached.count(top.internal_object()))
            Holding().remove_child(top);
        top = next;
    }
    m_detachedSinceCollect = 0;
    m_collectBudget = std::max(kMinimumCollectBudget, reached.size());
}
