#pragma once

#include <QString>

#include <string>

// The texts of the std-only code (menus, prompts, messages, dialog captions) in the language
// in force, looked up by their source text. A composed message (a file name or a number
// inside a fixed text) is matched against the known patterns; its inserted parts are looked
// up on their own, so a reason such as "the file ends early" is translated too. A text
// nobody knows stays as it is.
QString UiText(const std::string& utf8);
QString UiText(const QString& text);
QString UiText(const char* utf8);

// Every source text and pattern UiText knows, for the completeness test.
const char* const* UiTextSources(int* count);
// The entry that text is looked up by: itself, or the pattern it matches; null if none.
const char* UiTextSource(const QString& text);
inline constexpr const char* kUiTextContext = "Brindle";
