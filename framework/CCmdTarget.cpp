#include "afxstate_.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

namespace
{
const AFX_MSGMAP* BaseMap(const AFX_MSGMAP* pMap)
{
    return pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr;
}
} // namespace

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = BaseMap(pMap))
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfn; ++pEntry)
        {
            if (pEntry->nMessage == nMessage && pEntry->nCode == 0 && pEntry->nID == 0)
                return pEntry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // A notification arrives as MAKELONG(code, WM_NOTIFY), a control's WM_COMMAND as its code.
    UINT nMsg = 0;
    UINT nEntryCode = static_cast<UINT>(nCode);
    if (static_cast<UINT>(nCode) != CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(nCode);
        nEntryCode = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = BaseMap(pMap))
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfn; ++pEntry)
        {
            if (pEntry->nMessage != nMsg || pEntry->nCode != nEntryCode || nID < pEntry->nID ||
                nID > pEntry->nLastID)
                continue;
            if (pHandlerInfo)
            {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pfn = pEntry->pfn;
                return TRUE;
            }
            const AFX_MSGCALL call = {nMsg, 0, 0, nID, pExtra};
            if (nEntryCode == CN_UPDATE_COMMAND_UI)
            {
                CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
                pCmdUI->m_bContinueRouting = FALSE;
                pEntry->pfn(this, call);
                return !pCmdUI->m_bContinueRouting;
            }
            // Handlers of the _EX entries answer whether they took the command.
            return pEntry->pfn(this, call) != 0;
        }
    }
    return FALSE;
}
