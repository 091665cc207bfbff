// Classes: JBook, JBookList
// One book record of the catalogue, and an ordered, copyable sequence of them.
#pragma once

#include <afx.h>

#include <vector>

struct JBook
{
    int m_nId = 0;
    CString m_strTitle;
    CString m_strAuthor;
    CString m_strDate;
};

using JBookList = std::vector<JBook>;
