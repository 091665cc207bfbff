// Classes: JXmlDocument; Functions: JXmlSetDomFactory
// One XML document loaded through the platform's MSXML DOM service.
#pragma once

#include "app/xml/JXmlNode.h"

class JXmlBytes;

// Creates a DOM object of one class for its IUnknown. The default asks COM for any kind of
// server; a test installs its own to say which document classes are available.
typedef HRESULT (*JXmlDomFactory)(REFCLSID clsid, IUnknown** ppUnknown);
// Installs a factory (null restores the default) and returns the previous one.
JXmlDomFactory JXmlSetDomFactory(JXmlDomFactory pfnFactory);

class JXmlDocument
{
public:
    JXmlDocument() = default;
    ~JXmlDocument();
    JXmlDocument(const JXmlDocument&) = delete;
    JXmlDocument& operator=(const JXmlDocument&) = delete;

    // Loads a file. False when the file cannot be read, no DOM engine can be had, the DOM
    // does not parse it, or it carries a document type declaration (never processed).
    bool Open(const char* pszPath);
    // Writes the document to pszPath, or to the path it came from when pszPath is null. The
    // target is replaced only by bytes that read back as this document and are all on the
    // disk; a declaration that names an encoding other than UTF-8 is made to say UTF-8.
    bool Save(const char* pszPath);
    CString GetPath() const { return m_path; }
    JXmlNodePtr GetRoot() const;
    void Close();
    // Creates and configures a new DOM object: the newest engine of the version ladder.
    bool Create();

    // The DOM engine version created: 60, 30, 50, 40, 26, or 0 (version-independent or none).
    int DomVersion = 0;

private:
    // Replaces a declaration that names an encoding other than UTF-8 by one that says UTF-8.
    void DeclareUtf8();
    // The bytes load into a new DOM that saves them again unchanged.
    static bool ReadsBack(const JXmlBytes& bytes);

    Microsoft::WRL::ComPtr<IXMLDOMDocument2> m_doc;
    CString m_path;
    // Bytes of the last load or save: room for the next save is made once, not by growing.
    size_t m_nBytesHint = 0;
};
