#include "toolkit/QvToolsApi.h"

#include <gtest/gtest.h>

TEST(QvToolsModule, RegistersItsResourcesWithTheFramework)
{
    const HINSTANCE hLibrary = FQvTGetModuleHandle();
    ASSERT_NE(nullptr, hLibrary) << "the library initialised itself when it was loaded";
    EXPECT_EQ(::GetModuleHandleA("QVTOOLS201.dll"), hLibrary);
    EXPECT_NE(::GetModuleHandleA(nullptr), hLibrary);

    // The program has no string 1 of its own: the framework finds the library's.
    EXPECT_EQ(hLibrary, AfxFindStringResourceHandle(1));
    const char* expected[] = {"Invalid field.", "Please enter a non-negative integer value.",
                              "Invalid float value."};
    for (UINT id = 1; id <= 3; ++id)
    {
        CString text;
        ASSERT_TRUE(text.LoadString(id)) << "string " << id;
        EXPECT_STREQ(expected[id - 1], (LPCSTR)text) << "string " << id;
    }
    CString missing;
    EXPECT_FALSE(missing.LoadString(4));
}
