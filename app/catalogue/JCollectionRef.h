// Classes: JCollectionRef
// The result of looking a collection up by name.
#pragma once

#include "app/xml/JXmlNodeList.h"

struct JCollectionRef
{
    JXmlNodeList m_list; // the child elements of the records element
    int m_nIndex = -1;   // the collection's index in m_list; meaningful only when found
    JXmlNode m_node;     // the collection element; empty until found
};
