#pragma once

#include <string>
#include <vector>

// One filter of a file dialog: the shown name and its patterns ("*.brd", "*.*").
struct CFileFilter {
    std::string name;
    std::string pattern;
    bool operator==(const CFileFilter&) const = default;
};

// What a file dialog is asked to show. Texts are UTF-8.
struct CFileDialogRequest {
    enum Kind { Open, Save };
    Kind kind = Open;
    std::string title; // empty: the platform's default title
    std::vector<CFileFilter> filters;
    std::string defaultExt; // without the dot; appended when the chosen name has none
    std::string initialName;
    bool fileMustExist = false;
    bool pathMustExist = false;
    bool overwritePrompt = false;
    bool hideReadOnly = true;

    bool operator==(const CFileDialogRequest&) const = default;
};

struct CFileDialogResult {
    enum Outcome { Ok, Cancel, Failed };
    Outcome outcome = Cancel;
    std::string path; // full path when outcome is Ok
};

class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    virtual CFileDialogResult Run(const CFileDialogRequest& request) = 0;
};
