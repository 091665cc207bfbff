// Classes: CObject, CRuntimeClass, CArchive (declared only), CDumpContext (declared only)
// Macros: DECLARE_DYNAMIC, IMPLEMENT_DYNAMIC, DECLARE_DYNCREATE, IMPLEMENT_DYNCREATE,
//         RUNTIME_CLASS
// The framework's root class and its run-time class information.
#pragma once

#include "afxver.h"

class CObject;
class CArchive;
class CDumpContext;

// What a class says of itself: its name, size and base, and how to make one when it can be
// made dynamically. Bases are reached through a function so that a class in one module can
// name a base that another module (a DLL) exports.
struct AFX_FRAMEWORK_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject*(PASCAL* m_pfnCreateObject)();
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();

    // Operations
    CObject* CreateObject() const; // null for a class that is not dynamically creatable
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class AFX_FRAMEWORK_API CObject
{
public:
    static CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();

    // Overridables, in the framework's slot order
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    // Attributes
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const { return FALSE; }

protected:
    CObject() = default;

private:
    // Framework objects stand for one thing each (a window, a GDI object, a list): no copies.
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static CRuntimeClass class##class_name;                                                        \
    static CRuntimeClass* PASCAL GetThisClass();                                                   \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* PASCAL CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                   \
    CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class class_name), wSchema, \
                                                   pfnNew, &base_class_name::GetThisClass};        \
    CRuntimeClass* PASCAL class_name::GetThisClass()                                               \
    {                                                                                              \
        return &class_name::class##class_name;                                                     \
    }                                                                                              \
    CRuntimeClass* class_name::GetRuntimeClass() const                                             \
    {                                                                                              \
        return &class_name::class##class_name;                                                     \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* PASCAL class_name::CreateObject()                                                     \
    {                                                                                              \
        return new class_name;                                                                     \
    }                                                                                              \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)
