#include "app/shell/JMainFormHost.h"

#include <afxwin.h>

JMainFormHost* JMainFormHost::Get()
{
    return dynamic_cast<JMainFormHost*>(AfxGetApp());
}
