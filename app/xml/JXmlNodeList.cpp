#include "app/xml/JXmlNodeList.h"

#include "app/xml/JXmlError.h"

JXmlNodeList::JXmlNodeList(JXmlNodeListPtr owned)
{
    if (owned)
        m_list = owned->m_list;
}

int JXmlNodeList::GetCount() const
{
    try
    {
        if (!m_list)
            throw JXmlError(E_POINTER, CString());
        long length = 0;
        JXmlCheck(m_list->get_length(&length));
        return static_cast<int>(length);
    }
    catch (const JXmlError&)
    {
        return -1;
    }
}

JXmlNodePtr JXmlNodeList::GetItem(int nIndex) const
{
    if (!m_list)
        throw JXmlError(E_POINTER, CString());
    Microsoft::WRL::ComPtr<IXMLDOMNode> node;
    JXmlCheck(m_list->get_item(nIndex, &node));
    return std::make_unique<JXmlNode>(node.Get());
}
