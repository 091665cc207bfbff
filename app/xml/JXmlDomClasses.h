// The MSXML document classes of the version ladder, newest first, and the interfaces the
// layer asks them for that the platform's import libraries lack.
#pragma once

#include <objbase.h>

struct JXmlDomClass
{
    CLSID clsid;
    int nVersion; // 60, 30, 50, 40, 26, or 0 for the version-independent class
};

// 6.0, 3.0, 5.0, 4.0, 2.6, version-independent: 3.0 is preferred over 5.0 and 4.0.
extern const JXmlDomClass kJXmlDomLadder[6];

extern const IID kIidXmlDomDocument2;
extern const IID kIidXmlDomElement;
extern const IID kIidXmlDomAttribute;
extern const IID kIidXmlDomProcessingInstruction;
