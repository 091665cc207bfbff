#include "QvFTools.h"

HMENU QvFMenuBar::GetMenu() const
{
    return ::IsWindow(m_hWndFrame) ? ::GetMenu(m_hWndFrame) : nullptr;
}
