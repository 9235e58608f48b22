#pragma once

#include "Clipboard.h"
#include "FileDialog.h"
#include "FileTypeQuestion.h"
#include "FramePlacement.h"
#include "MessageBox.h"
#include "ProfileStore.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Message box that records what was shown and answers from a script.
// Without a scripted answer it gives the first button's answer (Ok or Yes).
class CFakeMessageBox : public IMessageBox {
public:
    struct Shown {
        std::string text;
        MsgIcon icon;
        MsgButtons buttons;
    };
    std::deque<MsgAnswer> answers;
    std::vector<Shown> shown;

    MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons) override {
        shown.push_back({text, icon, buttons});
        if (!answers.empty()) {
            const MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                            : MsgAnswer::Yes;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const auto& s : shown)
            t.push_back(s.text);
        return t;
    }
};

// File dialog that records requests and answers from a script; cancels when none is left.
class CFakeFileDialog : public IFileDialog {
public:
    std::deque<CFileDialogResult> results;
    std::vector<CFileDialogRequest> requests;

    void AnswerPath(const std::string& path) { results.push_back({CFileDialogResult::Ok, path}); }
    void AnswerCancel() { results.push_back({CFileDialogResult::Cancel, {}}); }

    CFileDialogResult Run(const CFileDialogRequest& request) override {
        requests.push_back(request);
        if (results.empty())
            return {CFileDialogResult::Cancel, {}};
        CFileDialogResult r = results.front();
        results.pop_front();
        return r;
    }
};

// CSV-or-tab question that counts the times it was asked and answers from a script;
// without a scripted answer it chooses CSV (the default button).
class CFakeFileTypeQuestion : public IFileTypeQuestion {
public:
    std::deque<bool> answers;
    int asked = 0;

    bool AskCsv() override {
        ++asked;
        if (answers.empty())
            return true;
        const bool csv = answers.front();
        answers.pop_front();
        return csv;
    }
};

// Clipboard that keeps the text it was given or that a test put there as another program
// would; a scripted write result plays a failure, refused a character it could not convert.
class CFakeClipboard : public IClipboard {
public:
    std::optional<std::string> text; // code page 932
    std::optional<std::string> html; // the HTML flavour, UTF-8
    std::optional<std::string> refused;
    ClipboardWrite writeResult = ClipboardWrite::Ok;
    int writes = 0;

    ClipboardWrite SetText(const std::string& cp932) override {
        ++writes;
        if (writeResult == ClipboardWrite::Ok) {
            text = cp932;
            refused.reset();
        }
        return writeResult;
    }
    CClipboardText GetText() override {
        CClipboardText read;
        if (refused) {
            read.status = CClipboardText::Unconvertible;
            read.character = *refused;
        } else if (text) {
            read.status = CClipboardText::Ok;
            read.text = *text;
        }
        return read;
    }
    std::optional<std::string> GetHtml() override { return html; }
};

class CFakeProfileStore : public IProfileStore {
public:
    std::map<std::pair<std::string, std::string>, int> ints;
    std::map<std::pair<std::string, std::string>, std::string> strings;

    int GetInt(const std::string& section, const std::string& key, int def) override {
        const auto it = ints.find({section, key});
        return it == ints.end() ? def : it->second;
    }
    bool WriteInt(const std::string& section, const std::string& key, int value) override {
        ints[{section, key}] = value;
        return true;
    }
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& def) override {
        const auto it = strings.find({section, key});
        return it == strings.end() ? def : it->second;
    }
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        strings[{section, key}] = value;
        return true;
    }
};

// The main window's placement as the test sets it; records what the settings restored.
class CFakeFramePlacement : public IFramePlacement {
public:
    CFramePlacement placement;
    std::vector<CFramePlacement> restored;

    CFramePlacement Placement() const override { return placement; }
    void SetPlacement(const CFramePlacement& p) override {
        restored.push_back(p);
        placement = p;
    }
};
