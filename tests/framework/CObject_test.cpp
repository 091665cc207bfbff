#include <afxmt.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
// A small ladder of run-time classes declared the way code outside the framework declares them.
class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)

public:
    int m_nRadius = 3;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CSquare : public CShape
{
    DECLARE_DYNAMIC(CSquare)
};
IMPLEMENT_DYNAMIC(CSquare, CShape)

// A class without run-time information of its own answers with its nearest declared base.
class CPlainShape : public CShape
{
};
} // namespace

TEST(CObject, IsKindOfFollowsTheDeclaredBases)
{
    CCircle circle;
    const CObject& object = circle;
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(object.IsKindOf(RUNTIME_CLASS(CSquare)));
    EXPECT_FALSE(object.IsKindOf(nullptr));
    EXPECT_STREQ("CCircle", object.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(static_cast<int>(sizeof(CCircle)), object.GetRuntimeClass()->m_nObjectSize);

    CSquare square;
    EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_FALSE(square.IsKindOf(RUNTIME_CLASS(CCircle)));

    CPlainShape plain;
    EXPECT_EQ(RUNTIME_CLASS(CShape), plain.GetRuntimeClass());
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));
}

TEST(CObject, OnlyDynCreateClassesCanBeMadeByName)
{
    std::unique_ptr<CObject> made(RUNTIME_CLASS(CCircle)->CreateObject());
    ASSERT_TRUE(made);
    ASSERT_TRUE(made->IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ(3, static_cast<CCircle*>(made.get())->m_nRadius);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CSquare)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->CreateObject());
}

TEST(CObject, SynchronisationObjectsAreFrameworkObjects)
{
    CCriticalSection section;
    EXPECT_TRUE(section.IsKindOf(RUNTIME_CLASS(CSyncObject)));
    EXPECT_TRUE(section.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_STREQ("CCriticalSection", section.GetRuntimeClass()->m_lpszClassName);
}
