#pragma once

// The platform objects of the benchmarks: nothing asks the user.
#include "FileDialog.h"
#include "FileTypeQuestion.h"
#include "MessageBox.h"

#include <string>

// Answers every message box with one answer (OK unless told).
class CQuietBox : public IMessageBox {
public:
    explicit CQuietBox(MsgAnswer answer = MsgAnswer::Ok) : m_answer(answer) {}
    MsgAnswer Show(const std::string&, MsgIcon, MsgButtons) override { return m_answer; }

private:
    MsgAnswer m_answer;
};

// A file dialog that is always cancelled.
class CNoDialog : public IFileDialog {
public:
    CFileDialogResult Run(const CFileDialogRequest&) override { return {}; }
};

// Text files are CSV.
class CCsvAnswer : public IFileTypeQuestion {
public:
    bool AskCsv() override { return true; }
};
