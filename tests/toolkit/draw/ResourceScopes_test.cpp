// Scopes that switch the framework's resource module.
#include "toolkit/draw/QvDraw.h"
#include "toolkit/draw/QvTLibResourceSet.h"
#include "toolkit/res/resource.h"

#include <gtest/gtest.h>

namespace
{
class ResourceModule : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hLibrary = FQvTGetModuleHandle();
        m_hProgram = ::GetModuleHandleA(nullptr);
        m_hFramework = ::GetModuleHandleA("ShvAfx.dll");
        ASSERT_NE(nullptr, m_hLibrary);
        ASSERT_NE(nullptr, m_hFramework);
        m_hStart = AfxGetResourceHandle();
        ASSERT_EQ(m_hProgram, m_hStart) << "the program's module to begin with";
    }
    void TearDown() override { AfxSetResourceHandle(m_hStart); }

    HINSTANCE m_hLibrary = nullptr;
    HINSTANCE m_hProgram = nullptr;
    HINSTANCE m_hFramework = nullptr;
    HINSTANCE m_hStart = nullptr;
};
} // namespace

TEST_F(ResourceModule, NestedScopesGiveBackTheOutermostModuleLast)
{
    {
        QvTAfxResourceHandleSet outer(m_hLibrary);
        EXPECT_EQ(m_hLibrary, AfxGetResourceHandle());
        char text[64] = "";
        EXPECT_GT(::LoadStringA(AfxGetResourceHandle(), IDS_QVT_INVALID_FIELD, text, sizeof(text)),
                  0)
            << "the library's own strings load from the current module";
        {
            QvTAfxResourceHandleSet inner(m_hFramework);
            EXPECT_EQ(m_hFramework, AfxGetResourceHandle());
        }
        EXPECT_EQ(m_hLibrary, AfxGetResourceHandle()) << "the inner scope gave back the outer's";
    }
    EXPECT_EQ(m_hStart, AfxGetResourceHandle());
}

TEST_F(ResourceModule, AnAssignedScopeGivesBackWhatTheOtherRemembered)
{
    {
        QvTAfxResourceHandleSet outer(m_hLibrary);
        {
            QvTAfxResourceHandleSet inner(m_hFramework);
            inner = outer;
        }
        EXPECT_EQ(m_hStart, AfxGetResourceHandle()) << "the outer scope's remembered module";
        AfxSetResourceHandle(m_hFramework);
    }
    EXPECT_EQ(m_hStart, AfxGetResourceHandle());
}

TEST_F(ResourceModule, TheLibrarysScopeSwitchesOnlyWhenAskedAndGivesBackOnlyThat)
{
    {
        QvTLibResourceSet scope(true);
        EXPECT_EQ(m_hLibrary, AfxGetResourceHandle());
    }
    EXPECT_EQ(m_hStart, AfxGetResourceHandle());
    {
        QvTLibResourceSet scope(false);
        EXPECT_EQ(m_hStart, AfxGetResourceHandle()) << "not asked: nothing switched";
        AfxSetResourceHandle(m_hFramework);
    }
    EXPECT_EQ(m_hFramework, AfxGetResourceHandle()) << "and nothing given back";
}
