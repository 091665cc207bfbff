#include "app/xml/JXmlNode.h"

#include "app/xml/JXmlDomClasses.h"
#include "app/xml/JXmlError.h"
#include "app/xml/JXmlNodeList.h"
#include "app/xml/JXmlString.h"

#include <stdlib.h>

using Microsoft::WRL::ComPtr;

namespace
{
ComPtr<IXMLDOMDocument> OwnerDocument(IXMLDOMNode* pNode)
{
    ComPtr<IXMLDOMDocument> doc;
    JXmlCheck(pNode->get_ownerDocument(&doc));
    if (!doc)
        throw JXmlError(E_POINTER, CString());
    return doc;
}

// The node type is named by its text ("attribute", "element"); engines that take only the
// numeric type (Wine's) refuse the text as an invalid argument and are asked again with the
// number.
HRESULT CreateNode(IXMLDOMDocument* pDoc, LPCWSTR pszTypeName, DOMNodeType nType,
                   const CString& qualifiedName, const CString& namespaceUri, IXMLDOMNode** ppNode)
{
    VARIANT type;
    ::VariantInit(&type);
    V_VT(&type) = VT_BSTR;
    V_BSTR(&type) = ::SysAllocString(pszTypeName);
    if (!V_BSTR(&type))
        return E_OUTOFMEMORY;
    const JXmlBstr name(qualifiedName);
    const JXmlBstr uri(namespaceUri);
    HRESULT hr = pDoc->createNode(type, name, uri, ppNode);
    ::VariantClear(&type);
    if (hr == E_INVALIDARG)
    {
        V_VT(&type) = VT_I4;
        V_I4(&type) = nType;
        hr = pDoc->createNode(type, name, uri, ppNode);
    }
    return hr;
}

CString NarrowResult(const JXmlBstrResult& text)
{
    return JXmlNarrow(text.Get(), static_cast<int>(::SysStringLen(text.Get())));
}

JXmlNodePtr Owned(IXMLDOMNode* pNode)
{
    return std::make_unique<JXmlNode>(pNode);
}
} // namespace

JXmlNode::JXmlNode(JXmlNodePtr owned)
{
    if (owned)
        m_node = owned->m_node;
}

IXMLDOMNode* JXmlNode::Checked() const
{
    if (!m_node)
        throw JXmlError(E_POINTER, CString());
    return m_node.Get();
}

CString JXmlNode::GetName() const
{
    return GetText(&IXMLDOMNode::get_nodeName);
}

CString JXmlNode::GetNamespaceUri() const
{
    return GetText(&IXMLDOMNode::get_namespaceURI);
}

CString JXmlNode::GetText(HRESULT (STDMETHODCALLTYPE IXMLDOMNode::*pfnGet)(BSTR*)) const
{
    try
    {
        JXmlBstrResult text;
        if (FAILED((Checked()->*pfnGet)(&text)))
            return CString();
        return NarrowResult(text);
    }
    catch (const JXmlError&)
    {
        return CString();
    }
}

CString JXmlNode::LookupNamespace(const CString& prefix) const
{
    try
    {
        // XPath's namespace axis finds nothing under Wine, and its attribute maps do not name
        // declarations, but an element's getAttribute reads them on both engines. An element
        // that carries the prefix itself in a namespace is in scope of a binding too.
        const JXmlBstr declaration("xmlns:" + prefix);
        ComPtr<IXMLDOMNode> node = m_node;
        while (node)
        {
            ComPtr<IXMLDOMElement> element;
            if (FAILED(node->QueryInterface(kIidXmlDomElement, &element)) || !element)
                break;
            JXmlBstrResult ownPrefix;
            if (SUCCEEDED(node->get_prefix(&ownPrefix)) && NarrowResult(ownPrefix) == prefix)
            {
                const CString uri = JXmlNode(node.Get()).GetNamespaceUri();
                if (!uri.IsEmpty())
                    return uri;
            }
            VARIANT value;
            ::VariantInit(&value);
            const bool bDeclared =
                element->getAttribute(declaration, &value) == S_OK && V_VT(&value) == VT_BSTR;
            const CString uri = bDeclared ? JXmlNarrowNoThrow(V_BSTR(&value)) : CString();
            ::VariantClear(&value);
            if (!uri.IsEmpty())
                return uri;
            ComPtr<IXMLDOMNode> parent;
            JXmlCheck(node->get_parentNode(&parent));
            node = parent;
        }
        return CString();
    }
    catch (const JXmlError&)
    {
        return CString();
    }
}

bool JXmlNode::GetAttribute(const CString& name, CString& value) const
{
    try
    {
        if (!m_node)
            return false;
        ComPtr<IXMLDOMNamedNodeMap> attributes;
        if (FAILED(m_node->get_attributes(&attributes)) || !attributes)
            return false;
        ComPtr<IXMLDOMNode> attribute;
        JXmlCheck(attributes->getNamedItem(JXmlBstr(name), &attribute));
        if (!attribute)
        {
            value.Empty();
            return true;
        }
        VARIANT v;
        ::VariantInit(&v);
        if (FAILED(attribute->get_nodeValue(&v)))
            return false;
        if (V_VT(&v) != VT_BSTR)
        {
            const HRESULT hr = ::VariantChangeType(&v, &v, 0, VT_BSTR);
            if (FAILED(hr))
            {
                ::VariantClear(&v);
                JXmlCheck(hr);
            }
        }
        CString text;
        try
        {
            text = JXmlNarrow(V_BSTR(&v), static_cast<int>(::SysStringLen(V_BSTR(&v))));
        }
        catch (...)
        {
            ::VariantClear(&v);
            throw;
        }
        ::VariantClear(&v);
        value = text;
        return true;
    }
    catch (const JXmlError&)
    {
        return false;
    }
}

CString JXmlNode::GetAttribute(const CString& name, const char* pszDefault) const
{
    CString value;
    if (!GetAttribute(name, value))
        value.Empty();
    if (value.IsEmpty() && pszDefault)
        return CString(pszDefault);
    return value;
}

int JXmlNode::GetAttributeInt(const CString& name, int nDefault) const
{
    CString value;
    if (!GetAttribute(name, value))
        value.Empty();
    if (value.IsEmpty())
        value.Format("%d", nDefault);
    return atoi(value);
}

bool JXmlNode::SetAttribute(const CString& name, const char* value, const CString& prefix,
                            const CString& namespaceUri)
{
    // A plain name is set on the element itself. A new attribute node replacing the old one
    // gives the same file, but Wine's engine keeps every replaced node until the document is
    // released: a few hundred bytes for each id that a move rewrites.
    if (prefix.IsEmpty() && namespaceUri.IsEmpty())
        return SetAttributeText(name, value);
    try
    {
        ComPtr<IXMLDOMDocument> doc = OwnerDocument(Checked());
        CString qualifiedName;
        if (prefix.IsEmpty())
            qualifiedName.Format("%s%s", (LPCSTR)prefix, (LPCSTR)name);
        else
            qualifiedName.Format("%s:%s", (LPCSTR)prefix, (LPCSTR)name);

        ComPtr<IXMLDOMNode> node;
        JXmlCheck(CreateNode(doc.Get(), L"attribute", NODE_ATTRIBUTE, qualifiedName, namespaceUri,
                             &node));
        if (!node)
            throw JXmlError(E_POINTER, CString());

        ComPtr<IXMLDOMAttribute> attribute;
        JXmlCheck(node->QueryInterface(kIidXmlDomAttribute, &attribute));
        VARIANT text;
        ::VariantInit(&text);
        V_VT(&text) = VT_BSTR;
        JXmlBstr valueText(value);
        V_BSTR(&text) = valueText; // borrowed: put_value copies it
        JXmlCheck(attribute->put_value(text));

        ComPtr<IXMLDOMElement> element;
        JXmlCheck(m_node->QueryInterface(kIidXmlDomElement, &element));
        ComPtr<IXMLDOMAttribute> replaced;
        JXmlCheck(element->setAttributeNode(attribute.Get(), &replaced));
        return true;
    }
    catch (const JXmlError&)
    {
        return false;
    }
}

bool JXmlNode::SetAttributeInt(const CString& name, int value, const CString& prefix,
                               const CString& namespaceUri)
{
    CString text;
    text.Format("%d", value);
    return SetAttribute(name, text, prefix, namespaceUri);
}

JXmlNodePtr JXmlNode::FindChild(const CString& localName, bool bCreate)
{
    try
    {
        IXMLDOMNode* pThis = Checked();
        CString escaped(localName);
        escaped.Replace("'", "''");
        CString expression;
        expression.Format("*[local-name(.) = '%s']", (LPCSTR)escaped);

        ComPtr<IXMLDOMNode> found;
        JXmlCheck(pThis->selectSingleNode(JXmlBstr(expression), &found));
        if (!found && bCreate)
        {
            ComPtr<IXMLDOMDocument> doc = OwnerDocument(pThis);
            ComPtr<IXMLDOMElement> element;
            JXmlCheck(doc->createElement(JXmlBstr(escaped), &element));
            JXmlCheck(pThis->appendChild(element.Get(), &found));
        }
        return found ? Owned(found.Get()) : std::make_unique<JXmlNode>();
    }
    catch (const JXmlError&)
    {
        return std::make_unique<JXmlNode>();
    }
}

JXmlNodePtr JXmlNode::AddChild(const CString& name)
{
    try
    {
        IXMLDOMNode* pThis = Checked();
        ComPtr<IXMLDOMDocument> doc = OwnerDocument(pThis);
        ComPtr<IXMLDOMElement> element;
        JXmlCheck(doc->createElement(JXmlBstr(name), &element));
        ComPtr<IXMLDOMNode> added;
        JXmlCheck(pThis->appendChild(element.Get(), &added));
        return added ? Owned(added.Get()) : std::make_unique<JXmlNode>();
    }
    catch (const JXmlError&)
    {
        return std::make_unique<JXmlNode>();
    }
}

JXmlNodePtr JXmlNode::AddChild(const CString& name, const CString& namespaceUri)
{
    try
    {
        IXMLDOMNode* pThis = Checked();
        ComPtr<IXMLDOMDocument> doc = OwnerDocument(pThis);
        ComPtr<IXMLDOMNode> element;
        JXmlCheck(CreateNode(doc.Get(), L"element", NODE_ELEMENT, name, namespaceUri, &element));
        if (!element)
            throw JXmlError(E_POINTER, CString());
        ComPtr<IXMLDOMNode> added;
        JXmlCheck(pThis->appendChild(element.Get(), &added));
        return added ? Owned(added.Get()) : std::make_unique<JXmlNode>();
    }
    catch (const JXmlError&)
    {
        return std::make_unique<JXmlNode>();
    }
}

void JXmlNode::Remove()
{
    try
    {
        ComPtr<IXMLDOMNode> parent;
        JXmlCheck(Checked()->get_parentNode(&parent));
        if (!parent)
            throw JXmlError(E_POINTER, CString());
        ComPtr<IXMLDOMNode> removed;
        JXmlCheck(parent->removeChild(m_node.Get(), &removed));
    }
    catch (const JXmlError&)
    {
    }
}

JXmlNodePtr JXmlNode::GetParent() const
{
    try
    {
        ComPtr<IXMLDOMNode> parent;
        JXmlCheck(Checked()->get_parentNode(&parent));
        return parent ? Owned(parent.Get()) : std::make_unique<JXmlNode>();
    }
    catch (const JXmlError&)
    {
        return std::make_unique<JXmlNode>();
    }
}

JXmlNodePtr JXmlNode::GetNextSibling() const
{
    try
    {
        ComPtr<IXMLDOMNode> next;
        JXmlCheck(Checked()->get_nextSibling(&next));
        return next ? Owned(next.Get()) : std::make_unique<JXmlNode>();
    }
    catch (const JXmlError&)
    {
        return std::make_unique<JXmlNode>();
    }
}

bool JXmlNode::InsertChild(const JXmlNode& child, const JXmlNode& before)
{
    try
    {
        VARIANT reference;
        ::VariantInit(&reference);
        if (before.m_node)
        {
            V_VT(&reference) = VT_UNKNOWN;
            V_UNKNOWN(&reference) = before.m_node.Get(); // borrowed: insertBefore does not keep it
        }
        ComPtr<IXMLDOMNode> inserted;
        JXmlCheck(Checked()->insertBefore(child.Checked(), reference, &inserted));
        return inserted != nullptr;
    }
    catch (const JXmlError&)
    {
        return false;
    }
}

bool JXmlNode::FindAttribute(const CString& name, CString& value) const
{
    try
    {
        ComPtr<IXMLDOMElement> element;
        JXmlCheck(Checked()->QueryInterface(kIidXmlDomElement, &element));
        ComPtr<IXMLDOMAttribute> attribute;
        if (element->getAttributeNode(JXmlBstr(name), &attribute) != S_OK || !attribute)
            return false;
        return GetAttribute(name, value);
    }
    catch (const JXmlError&)
    {
        return false;
    }
}

bool JXmlNode::SetAttributeText(const CString& name, const char* value)
{
    try
    {
        ComPtr<IXMLDOMElement> element;
        JXmlCheck(Checked()->QueryInterface(kIidXmlDomElement, &element));
        VARIANT text;
        ::VariantInit(&text);
        V_VT(&text) = VT_BSTR;
        JXmlBstr valueText(value);
        V_BSTR(&text) = valueText; // borrowed: setAttribute copies it
        JXmlCheck(element->setAttribute(JXmlBstr(name), text));
        return true;
    }
    catch (const JXmlError&)
    {
        return false;
    }
}

bool JXmlNode::RemoveAttribute(const CString& name)
{
    try
    {
        ComPtr<IXMLDOMElement> element;
        JXmlCheck(Checked()->QueryInterface(kIidXmlDomElement, &element));
        JXmlCheck(element->removeAttribute(JXmlBstr(name)));
        return true;
    }
    catch (const JXmlError&)
    {
        return false;
    }
}

JXmlNodeListPtr JXmlNode::GetChildren() const
{
    try
    {
        ComPtr<IXMLDOMNodeList> list;
        JXmlCheck(Checked()->selectNodes(JXmlBstr("child::*"), &list));
        return std::make_unique<JXmlNodeList>(list.Get());
    }
    catch (const JXmlError&)
    {
        return std::make_unique<JXmlNodeList>();
    }
}
