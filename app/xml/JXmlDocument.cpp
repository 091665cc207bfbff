#include "app/xml/JXmlDocument.h"

#include "app/xml/JXmlDomClasses.h"
#include "app/xml/JXmlError.h"
#include "app/xml/JXmlString.h"

#include <ole2.h>
#include <string.h>

#include <algorithm>

using Microsoft::WRL::ComPtr;

namespace
{
HRESULT CreateDomObject(REFCLSID clsid, IUnknown** ppUnknown)
{
    // Any kind of server: in-process, handler, local and remote.
    return ::CoCreateInstance(clsid, nullptr,
                              CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER |
                                  CLSCTX_REMOTE_SERVER,
                              IID_IUnknown, reinterpret_cast<void**>(ppUnknown));
}

JXmlDomFactory s_pfnDomFactory = CreateDomObject;

class JVariant
{
public:
    JVariant() { ::VariantInit(&m_v); }
    ~JVariant() { ::VariantClear(&m_v); }
    JVariant(const JVariant&) = delete;
    JVariant& operator=(const JVariant&) = delete;

    static void Bool(JVariant& v, bool b)
    {
        V_VT(&v.m_v) = VT_BOOL;
        V_BOOL(&v.m_v) = b ? VARIANT_TRUE : VARIANT_FALSE;
    }
    static void Text(JVariant& v, LPCSTR psz)
    {
        JXmlBstr text(psz);
        V_BSTR(&v.m_v) = ::SysAllocStringLen(text, ::SysStringLen(text));
        if (!V_BSTR(&v.m_v))
            throw JXmlError(E_OUTOFMEMORY, CString());
        V_VT(&v.m_v) = VT_BSTR;
    }
    operator VARIANT() const { return m_v; }

private:
    VARIANT m_v;
};

void SetProperty(IXMLDOMDocument2* pDoc, LPCSTR pszName, bool bValue)
{
    JVariant value;
    JVariant::Bool(value, bValue);
    JXmlCheck(pDoc->setProperty(JXmlBstr(pszName), value));
}

bool FileIsReadable(const char* pszPath)
{
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(hFile);
    return true;
}

bool TargetIsWritable(const char* pszPath)
{
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(hFile);
    return true;
}

CString FolderOf(const CString& path)
{
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    if (slash < 0)
        return CString(".");
    if (slash == 2 && path[1] == ':')
        return path.Left(3); // keep the root of a drive: "C:\"
    return path.Left(slash);
}
} // namespace

JXmlDomFactory JXmlSetDomFactory(JXmlDomFactory pfnFactory)
{
    JXmlDomFactory pfnOld = s_pfnDomFactory;
    s_pfnDomFactory = pfnFactory ? pfnFactory : CreateDomObject;
    return pfnOld;
}

JXmlDocument::~JXmlDocument()
{
    Close();
}

void JXmlDocument::Close()
{
    m_doc.Reset();
    m_path.Empty();
    DomVersion = 0;
}

bool JXmlDocument::Create()
{
    Close();
    ComPtr<IXMLDOMDocument2> doc;
    int nVersion = 0;
    for (const JXmlDomClass& domClass : kJXmlDomLadder)
    {
        ComPtr<IUnknown> unknown;
        if (FAILED(s_pfnDomFactory(domClass.clsid, &unknown)) || !unknown)
            continue;
        // A local or remote server must be running before it is asked for an interface.
        if (FAILED(::OleRun(unknown.Get())))
            continue;
        if (FAILED(unknown->QueryInterface(kIidXmlDomDocument2, &doc)) || !doc)
            continue;
        nVersion = domClass.nVersion;
        break;
    }
    if (!doc)
        return false;

    try
    {
        JVariant xpath;
        JVariant::Text(xpath, "XPath");
        JXmlCheck(doc->setProperty(JXmlBstr("SelectionLanguage"), xpath));
        if (nVersion == 40)
            SetProperty(doc.Get(), "NewParser", true);
        SetProperty(doc.Get(), "AllowXsltScript", true);
        SetProperty(doc.Get(), "AllowDocumentFunction", true);
        // A catalogue may never pull in other files or the network: externals are not
        // resolved, and DTDs are prohibited where the engine knows the property (older
        // engines refuse it, which Open's own check makes up for).
        JXmlCheck(doc->put_resolveExternals(VARIANT_FALSE));
        JVariant prohibit;
        JVariant::Bool(prohibit, true);
        doc->setProperty(JXmlBstr("ProhibitDTD"), prohibit);
        JXmlCheck(doc->put_preserveWhiteSpace(VARIANT_FALSE));
        JXmlCheck(doc->put_validateOnParse(VARIANT_FALSE));
    }
    catch (const JXmlError&)
    {
        return false;
    }

    m_doc = doc;
    DomVersion = nVersion;
    m_path.Empty();
    return true;
}

bool JXmlDocument::Open(const char* pszPath)
{
    try
    {
        if (!pszPath || !FileIsReadable(pszPath))
            return false;
        if (!Create())
            return false;
        m_path = pszPath;

        JVariant path;
        JVariant::Text(path, pszPath);
        VARIANT_BOOL bLoaded = VARIANT_FALSE;
        if (FAILED(m_doc->load(path, &bLoaded)) || bLoaded != VARIANT_TRUE)
            return false;

        // Engines that ignore ProhibitDTD still parse a document type declaration; a
        // catalogue has none, so one is refused here rather than trusted.
        ComPtr<IXMLDOMDocumentType> doctype;
        JXmlCheck(m_doc->get_doctype(&doctype));
        if (doctype)
            return false;
        return true;
    }
    catch (...)
    {
        return false;
    }
}

bool JXmlDocument::Save(const char* pszPath)
{
    if (!m_doc)
        return false;
    const CString target = pszPath ? CString(pszPath) : m_path;
    if (target.IsEmpty())
        return false;

    // Write beside the target first, so that a save that fails halfway never touches it.
    char temp[MAX_PATH];
    if (!::GetTempFileNameA(FolderOf(target), "shv", 0, temp))
        return false;
    bool bWritten = false;
    try
    {
        JVariant destination;
        JVariant::Text(destination, temp);
        bWritten = SUCCEEDED(m_doc->save(destination));
    }
    catch (const JXmlError&)
    {
        bWritten = false;
    }

    // A read-only target, or one that another program holds open, is not replaced. The
    // attribute and an unshared open for writing ask exactly that without changing the
    // file; a rename over it would not refuse on every platform (Wine, or as root).
    const DWORD dwAttributes = ::GetFileAttributesA(target);
    if (bWritten && dwAttributes != INVALID_FILE_ATTRIBUTES)
        bWritten = !(dwAttributes & FILE_ATTRIBUTE_READONLY) && TargetIsWritable(target);
    const bool bReplaced =
        bWritten && ::MoveFileExA(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    // The new file keeps the old one's attributes (hidden, archive...).
    if (bReplaced && dwAttributes != INVALID_FILE_ATTRIBUTES)
        ::SetFileAttributesA(target, dwAttributes);
    if (!bReplaced)
    {
        ::DeleteFileA(temp);
        return false;
    }
    if (pszPath)
        m_path = pszPath;
    return true;
}

JXmlNodePtr JXmlDocument::GetRoot() const
{
    try
    {
        if (!m_doc)
            throw JXmlError(E_POINTER, CString());
        ComPtr<IXMLDOMElement> root;
        JXmlCheck(m_doc->get_documentElement(&root));
        if (!root)
            return std::make_unique<JXmlNode>();
        return std::make_unique<JXmlNode>(root.Get());
    }
    catch (const JXmlError&)
    {
        return std::make_unique<JXmlNode>();
    }
}
