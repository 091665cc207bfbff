// Classes: JXmlNodeList
// A counted handle on a DOM node list; an empty handle stands for no list.
#pragma once

#include "app/xml/JXmlNode.h"

class JXmlNodeList
{
public:
    JXmlNodeList() = default;
    JXmlNodeList(JXmlNodeListPtr owned);
    explicit JXmlNodeList(IXMLDOMNodeList* pList) : m_list(pList) {}

    // Number of nodes; -1 when the DOM call fails or the handle is empty.
    int GetCount() const;
    // The node at nIndex; an empty handle when the index is outside the list. A DOM failure
    // reaches the caller as JXmlError.
    JXmlNodePtr GetItem(int nIndex) const;

private:
    Microsoft::WRL::ComPtr<IXMLDOMNodeList> m_list;
};
