#pragma once

#include <QString>

#include <optional>
#include <string>

// Code page 932 text shown in and taken from Qt widgets.

// The text in Unicode; bytes that are not code page 932 become U+FFFD, and ok (when given)
// tells whether every byte was read.
QString Cp932ToQString(const std::string& cp932, bool* ok = nullptr);

// The text in code page 932. Without a value when a character has no code page 932 form;
// then bad (when given) receives the first such character.
std::optional<std::string> QStringToCp932(const QString& text, QString* bad = nullptr);

// Text of a plain text editor (lines separated by LF) with CR LF line ends.
QString WithCrLf(const QString& text);

// Messages about text that cannot cross between code page 932 and Unicode (UTF-8).
// %1: the character.
inline constexpr const char* kMsgCharNotCp932 =
    "コードページ932で表せない文字「%1」が含まれています！";
inline constexpr const char* kMsgOutputNotCp932 =
    "コードページ932で表せない文字「%1」が含まれているため、出力できません！";
