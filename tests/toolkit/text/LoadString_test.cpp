#include "toolkit/text/QvText.h"
#include "toolkit/res/resource.h"

#include <gtest/gtest.h>

namespace
{
struct LibraryString
{
    unsigned int id;
    const char* text;
};
const LibraryString kLibraryStrings[] = {
    {IDS_QVT_INVALID_FIELD, "Invalid field."},
    {IDS_QVT_INVALID_UINT, "Please enter a non-negative integer value."},
    {IDS_QVT_INVALID_FLOAT, "Invalid float value."},
};
} // namespace

TEST(FQvTLoadString, FindsTheLibraryStringsThroughTheResourceChain)
{
    // The test program has no string table of its own: the library's module answers.
    for (const LibraryString& s : kLibraryStrings)
        EXPECT_STREQ(s.text, FQvTLoadString(s.id)) << "string " << s.id;
}

TEST(FQvTLoadString, LoadsFromTheLibraryModuleWhenItIsSelected)
{
    const HINSTANCE hLibrary = FQvTGetModuleHandle();
    ASSERT_NE(nullptr, hLibrary) << "the library registered its module";
    const HINSTANCE hPrevious = AfxGetResourceHandle();
    AfxSetResourceHandle(hLibrary);
    for (const LibraryString& s : kLibraryStrings)
        EXPECT_STREQ(s.text, FQvTLoadString(s.id)) << "string " << s.id << " from the library";
    AfxSetResourceHandle(hPrevious);
}

TEST(FQvTLoadString, MissingStringIsEmpty)
{
    EXPECT_STREQ("", FQvTLoadString(4)) << "id just past the library's table";
    EXPECT_STREQ("", FQvTLoadString(54321)) << "id nobody has";
}
