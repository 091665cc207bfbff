// Functions: JFoldCase, JBookMatches
// Case-insensitive matching of a typed filter against book titles and authors in any script.
#pragma once

#include "app/catalogue/JBook.h"

#include <string>

// The text in UTF-16 with case folded as CharLowerW folds it (Greek and accented Latin too);
// empty when the text cannot be converted.
std::wstring JFoldCase(const CString& text);

// Whether the folded title or author contains the folded query; an empty query matches all.
bool JBookMatches(const std::wstring& foldedTitle, const std::wstring& foldedAuthor,
                  const std::wstring& foldedQuery);
