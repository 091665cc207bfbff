#include "app/xml/JXmlDocument.h"

#include "app/xml/JXmlBytes.h"
#include "app/xml/JXmlDomClasses.h"
#include "app/xml/JXmlError.h"
#include "app/xml/JXmlFileReplace.h"
#include "app/xml/JXmlMemoryStream.h"
#include "app/xml/JXmlString.h"

#include <ole2.h>
#include <string.h>
#include <wchar.h>
#include <wctype.h>

#include <string>

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

bool LoadBytes(IXMLDOMDocument2* pDoc, const JXmlBytes& bytes)
{
    VARIANT source = bytes.AsVariant(); // borrowed: the bytes free the array
    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    return SUCCEEDED(pDoc->load(source, &bLoaded)) && bLoaded == VARIANT_TRUE;
}

// The document as save writes it, into the stream. False when the save fails.
bool Serialise(IXMLDOMDocument2* pDoc, JXmlMemoryStream* pStream)
{
    VARIANT destination;
    ::VariantInit(&destination);
    V_VT(&destination) = VT_UNKNOWN;
    V_UNKNOWN(&destination) = static_cast<IStream*>(pStream); // borrowed
    return SUCCEEDED(pDoc->save(destination)) && !pStream->Failed();
}

// The value of the encoding pseudo-attribute in the text of an XML declaration: false when
// the declaration names none.
bool FindEncoding(const std::wstring& declaration, size_t& begin, size_t& end)
{
    const wchar_t kName[] = L"encoding";
    for (size_t at = declaration.find(kName); at != std::wstring::npos;
         at = declaration.find(kName, at + 1))
    {
        if (at > 0 && !iswspace(declaration[at - 1]))
            continue;
        size_t i = at + wcslen(kName);
        while (i < declaration.size() && iswspace(declaration[i]))
            ++i;
        if (i >= declaration.size() || declaration[i] != L'=')
            continue;
        ++i;
        while (i < declaration.size() && iswspace(declaration[i]))
            ++i;
        if (i >= declaration.size() || (declaration[i] != L'"' && declaration[i] != L'\''))
            continue;
        const size_t close = declaration.find(declaration[i], i + 1);
        if (close == std::wstring::npos)
            return false;
        begin = i + 1;
        end = close;
        return true;
    }
    return false;
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
    m_nBytesHint = 0;
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
        // Read before anything is closed: a file that cannot be read leaves the open document.
        JXmlBytes bytes;
        if (!pszPath || !bytes.ReadFile(pszPath))
            return false;
        if (!Create())
            return false;
        m_path = pszPath;

        // The same parser and encoding detection as a load by path, about three times faster
        // under Wine.
        if (!LoadBytes(m_doc.Get(), bytes))
            return false;
        m_nBytesHint = bytes.GetSize();

        // Engines that ignore ProhibitDTD still parse a document type declaration; a
        // catalogue has none, so one is refused here rather than trusted, and what was
        // parsed is not kept for a later save.
        ComPtr<IXMLDOMDocumentType> doctype;
        JXmlCheck(m_doc->get_doctype(&doctype));
        if (doctype)
        {
            if (Create())
                m_path = pszPath;
            return false;
        }
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

    // Nothing reaches the disk until the bytes are known to read back as this document: the
    // engine's save reports success for bytes that do not (a full disk, a declaration naming
    // an encoding it did not write).
    try
    {
        DeclareUtf8();
        // Room for the whole document at once: growing it write by write costs as much again
        // as the save itself under Wine.
        ComPtr<JXmlMemoryStream> saved =
            JXmlMemoryStream::Create(m_nBytesHint + m_nBytesHint / 4 + 65536);
        JXmlBytes bytes;
        if (!saved || !Serialise(m_doc.Get(), saved.Get()) ||
            !bytes.Borrow(saved->GetBytes().data(), saved->GetBytes().size()) || !ReadsBack(bytes))
            return false;
        if (!JXmlReplaceFile(target, bytes.GetData(), bytes.GetSize()))
            return false;
        m_nBytesHint = bytes.GetSize();
    }
    catch (...)
    {
        return false;
    }
    if (pszPath)
        m_path = pszPath;
    return true;
}

// Wine's save writes UTF-8 whatever encoding the declaration names, Windows' the encoding
// named; the reader writes its catalogues in UTF-8. Saying UTF-8 makes the bytes what they
// claim to be on either.
void JXmlDocument::DeclareUtf8()
{
    ComPtr<IXMLDOMNode> first;
    JXmlCheck(m_doc->get_firstChild(&first));
    if (!first)
        return;
    DOMNodeType type = NODE_INVALID;
    JXmlCheck(first->get_nodeType(&type));
    JXmlBstrResult name;
    JXmlCheck(first->get_nodeName(&name));
    if (type != NODE_PROCESSING_INSTRUCTION || !name.Get() || wcscmp(name.Get(), L"xml") != 0)
        return;

    ComPtr<IXMLDOMProcessingInstruction> declaration;
    JXmlCheck(first->QueryInterface(kIidXmlDomProcessingInstruction, &declaration));
    JXmlBstrResult data;
    JXmlCheck(declaration->get_data(&data));
    std::wstring text(data.Get() ? data.Get() : L"");
    size_t begin = 0, end = 0;
    if (!FindEncoding(text, begin, end) ||
        _wcsicmp(text.substr(begin, end - begin).c_str(), L"UTF-8") == 0)
        return;

    // Wine cannot change a declaration's data in place; a new one takes the old one's place,
    // with everything but the encoding's name as it was.
    text.replace(begin, end - begin, L"UTF-8");
    BSTR newData = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!newData)
        throw JXmlError(E_OUTOFMEMORY, CString());
    ComPtr<IXMLDOMProcessingInstruction> replacement;
    const HRESULT hr = m_doc->createProcessingInstruction(JXmlBstr("xml"), newData, &replacement);
    ::SysFreeString(newData);
    JXmlCheck(hr);
    if (!replacement)
        throw JXmlError(E_POINTER, CString());
    ComPtr<IXMLDOMNode> replaced;
    JXmlCheck(m_doc->replaceChild(replacement.Get(), first.Get(), &replaced));
}

// Compared through the bytes the reloaded document saves to, not through the xml texts of the
// two documents: Wine takes over a second to build each text for a catalogue of a few MB.
bool JXmlDocument::ReadsBack(const JXmlBytes& bytes)
{
    JXmlDocument copy;
    if (bytes.GetSize() == 0 || !copy.Create() || !LoadBytes(copy.m_doc.Get(), bytes))
        return false;
    ComPtr<JXmlMemoryStream> again =
        JXmlMemoryStream::CreateComparing(bytes.GetData(), bytes.GetSize());
    return again && Serialise(copy.m_doc.Get(), again.Get()) && again->MatchesExpected();
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
