#include "app/catalogue/JTextFold.h"

std::wstring JFoldCase(const CString& text)
{
    if (text.IsEmpty())
        return std::wstring();
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, text.GetLength(), nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring folded(static_cast<size_t>(length), L'\0');
    if (::MultiByteToWideChar(CP_ACP, 0, text, text.GetLength(), &folded[0], length) != length)
        return std::wstring();
    ::CharLowerBuffW(&folded[0], static_cast<DWORD>(length));
    return folded;
}

bool JBookMatches(const std::wstring& foldedTitle, const std::wstring& foldedAuthor,
                  const std::wstring& foldedQuery)
{
    return foldedQuery.empty() || foldedTitle.find(foldedQuery) != std::wstring::npos ||
           foldedAuthor.find(foldedQuery) != std::wstring::npos;
}
