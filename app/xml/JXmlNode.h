// Classes: JXmlNode, JXmlNodePtr
// A counted handle on one DOM node; an empty handle stands for no node.
#pragma once

#include <afx.h>

#include <memory>
#include <msxml2.h>
#include <wrl/client.h>

class JXmlNode;
class JXmlNodeList;
// Operations that produce a node hand a new heap handle to the caller as its single owner.
using JXmlNodePtr = std::unique_ptr<JXmlNode>;
using JXmlNodeListPtr = std::unique_ptr<JXmlNodeList>;

class JXmlNode
{
public:
    JXmlNode() = default;
    // Takes the owned handle's node; the heap handle is freed with the unique_ptr.
    JXmlNode(JXmlNodePtr owned);
    explicit JXmlNode(IXMLDOMNode* pNode) : m_node(pNode) {}

    bool IsNull() const { return !m_node; }

    // Qualified name as the DOM reports it (xs1:playlist); empty on failure.
    CString GetName() const;
    // The node's namespace URI; empty when it has none, or on failure.
    CString GetNamespaceUri() const;
    // The URI that prefix stands for at this element, bound here or on an ancestor; empty when
    // it is bound nowhere in scope, or on failure.
    CString LookupNamespace(const CString& prefix) const;

    // The attribute's text, or pszDefault (when not null) if that text is empty.
    CString GetAttribute(const CString& name, const char* pszDefault) const;
    // The attribute read as atoi reads it; nDefault when its text is empty.
    int GetAttributeInt(const CString& name, int nDefault) const;
    bool SetAttribute(const CString& name, const char* value, const CString& prefix,
                      const CString& namespaceUri);
    bool SetAttributeInt(const CString& name, int value, const CString& prefix,
                         const CString& namespaceUri);

    // First child element with that local name, whatever its prefix; appended when missing
    // and bCreate is set. Empty handle when there is none or on failure.
    JXmlNodePtr FindChild(const CString& localName, bool bCreate);
    // Creates an element of exactly that (qualified) name and appends it as the last child.
    JXmlNodePtr AddChild(const CString& name);
    // The same in a namespace: the engine declares the name's prefix on the new element.
    JXmlNodePtr AddChild(const CString& name, const CString& namespaceUri);
    // Removes the node from its parent; the handle keeps the detached node.
    void Remove();
    // The node's parent and the node that follows it (of any kind, text included); empty
    // handles when there is none.
    JXmlNodePtr GetParent() const;
    JXmlNodePtr GetNextSibling() const;
    // Puts a detached node back under this one, before `before`, or last when `before` is empty.
    bool InsertChild(const JXmlNode& child, const JXmlNode& before);

    // The attribute's exact text; false when the element has no such attribute, or on failure.
    bool FindAttribute(const CString& name, CString& value) const;
    // Sets the text of an attribute where it stands (a new one is added last).
    bool SetAttributeText(const CString& name, const char* value);
    // False on failure; removing an attribute that is not there succeeds.
    bool RemoveAttribute(const CString& name);
    // All child elements in document order.
    JXmlNodeListPtr GetChildren() const;

    IXMLDOMNode* GetDomNode() const { return m_node.Get(); }

private:
    bool GetAttribute(const CString& name, CString& value) const;
    // A text property of the node read by pfnGet; empty on failure.
    CString GetText(HRESULT (STDMETHODCALLTYPE IXMLDOMNode::*pfnGet)(BSTR*)) const;
    IXMLDOMNode* Checked() const;

    Microsoft::WRL::ComPtr<IXMLDOMNode> m_node;
};
