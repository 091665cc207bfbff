#include "app/shell/JMainToolBar.h"

#include "app/res/resource.h"

namespace
{
constexpr COLORREF kMask = RGB(255, 0, 255);

constexpr QvFToolBarEx::CoButton Button(int nImage, int nCommand)
{
    return {{nImage, nCommand, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}, 1};
}

constexpr QvFToolBarEx::CoButton Separator()
{
    return {{-1, -1, TBSTATE_ENABLED, BTNS_SEP, {0}, 0, 0}, 1};
}
} // namespace

const QvFToolBarEx::CoButton JMainToolBar::s_buttons[nButtons] = {
    Button(1, ID_FILE_OPEN),      Button(2, ID_FILE_SAVE),         Separator(),
    Button(4, ID_COLLECTION_ADD), Button(5, ID_COLLECTION_DELETE), Separator(),
    Button(6, ID_BOOKS_ADD),      Button(7, ID_BOOK_DELETE),       Separator(),
    Button(3, ID_APP_ABOUT),
};

bool JMainToolBar::ShowButtonText(UINT) const
{
    return false;
}

void JMainToolBar::InitButtons()
{
    SetBitmaps(IDB_TOOLBAR16, IDB_TOOLBAR16, IDB_TOOLBAR16_DISABLED, IDB_TOOLBAR24, IDB_TOOLBAR24,
               IDB_TOOLBAR24_DISABLED, nIconSmall, kMask);
    SetButtons(nButtons, s_buttons, nTextSelective);
}
