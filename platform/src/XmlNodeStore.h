// The pugixml trees of one document and the node handles that point into them.
//
// A document has two pugixml documents: its tree, which is what it saves and queries, and a
// holding area whose top-level children are the nodes that stand in no tree (new, removed or
// cloned nodes, and attributes taken off their element). pugixml moves nodes only within one
// of its documents, so a node that crosses between the two is copied, and the handles that
// point into the old subtree are moved onto the copy before the old one is destroyed: a handle
// never dangles. Detached nodes that no handle reaches any more are collected now and then.
#pragma once

#include "XmlNodeRef.h"

#include <memory>
#include <unordered_map>

class XmlNode;

class XmlNodeStore
{
public:
    XmlNodeStore();
    ~XmlNodeStore();
    XmlNodeStore(const XmlNodeStore&) = delete;
    XmlNodeStore& operator=(const XmlNodeStore&) = delete;

    // The document node of the tree, and that of the holding area.
    pugi::xml_node Tree() const { return *m_tree; }
    pugi::xml_node Holding() const { return *m_holding; }
    bool IsInTree(pugi::xml_node node) const { return node.root() == Tree(); }
    bool IsInHolding(pugi::xml_node node) const { return node.root() == Holding(); }
    // True for a node of the holding area that is no node of the document's model: the
    // holding area's own document node and the elements that carry detached attributes.
    bool IsHidden(pugi::xml_node node) const;

    // Handles register when they are made and unregister when they die; at most one handle
    // points at a node at a time.
    void Register(XmlNode* handle);
    void Unregister(XmlNode* handle);
    XmlNode* Find(const void* key) const;

    // A new node in the holding area.
    pugi::xml_node NewDetached(pugi::xml_node_type type);
    // A copy of source in the holding area: the whole subtree, or only the node and its
    // attributes.
    pugi::xml_node CopyDetached(pugi::xml_node source, bool deep);
    // A detached copy of an attribute, and a new detached attribute.
    XmlNodeRef CopyDetachedAttribute(pugi::xml_attribute source);
    XmlNodeRef NewDetachedAttribute(const char* name);

    // Takes node out of its parent. Kept in the holding area when a handle points into it
    // (the node as it is kept is returned), destroyed otherwise (null is returned).
    pugi::xml_node Detach(pugi::xml_node node);
    // Removes an attribute from its element; a handle to it keeps a detached copy.
    void DetachAttribute(pugi::xml_node element, pugi::xml_attribute attribute);

    // Puts node under parent before `before` (appended when before is null): moved when both
    // stand in the same pugixml document, else copied with the handles moved onto the copy
    // and the original destroyed. Null when pugixml refuses the move, as it does for a move of
    // a node into its own subtree; the caller has checked that the node may stand there.
    // Like every function here that makes nodes, it throws std::bad_alloc when pugixml cannot
    // allocate them.
    pugi::xml_node Place(pugi::xml_node node, pugi::xml_node parent, pugi::xml_node before);

    // A copy of source (of any document) under parent before `before`, or appended.
    static pugi::xml_node CopyInto(pugi::xml_node source, pugi::xml_node parent,
                                   pugi::xml_node before);

    // Makes tree the document's tree; the old tree's nodes that handles point into move to
    // the holding area.
    void ReplaceTree(std::unique_ptr<pugi::xml_document> tree);

private:
    pugi::xml_node NewCarrier();
    bool HasHandlesIn(pugi::xml_node top) const;
    void MoveHandles(pugi::xml_node from, pugi::xml_node to);
    void MoveHandlesOfNode(pugi::xml_node from, pugi::xml_node to);
    void Rebind(const void* oldKey, const XmlNodeRef& ref);
    void BeforeDetaching();
    void Collect();

    std::unique_ptr<pugi::xml_document> m_tree;
    std::unique_ptr<pugi::xml_document> m_holding;
    std::unordered_map<const void*, XmlNode*> m_handles;
    // Detached nodes made since the last collection, and how many make the next one due.
    size_t m_detachedSinceCollect = 0;
    size_t m_collectBudget;
};
