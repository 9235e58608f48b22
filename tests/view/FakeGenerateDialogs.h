#pragma once

#include "DecodeOptions.h"
#include "GenerateDialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Progress receiver that records the calls as "range a b" and "pos p".
class CRecordingProgress : public IGenerateProgress {
public:
    std::vector<std::string> calls;
    void SetRange(int first, int last) override {
        calls.push_back("range " + std::to_string(first) + " " + std::to_string(last));
    }
    void SetPos(int pos) override { calls.push_back("pos " + std::to_string(pos)); }
};

// Generate dialogs answering from a script and recording what they were shown.
//   targets: the target dialog's answers (-1 cancels; cancels when none is left).
//   saves: the texts with which the user presses the preview's save button, in order; the
//          preview closes when save returns true or, with none left, through Cancel.
//   methods: the output method dialog's answers (nullopt cancels; cancels when none is left).
//   closeGeometry: the preview's size and state when it closes (default: as opened).
class CFakeGenerateDialogs : public IGenerateDialogs {
public:
    std::deque<int> targets;
    std::deque<std::string> saves;
    std::deque<std::optional<COutputMethodData>> methods;
    std::optional<std::pair<std::pair<int, int>, int>> closeGeometry;
    std::function<void(CDecodeOpData&)> sheet;

    std::vector<std::string> events;
    std::vector<CSourcePreviewData> previewsOpened;
    std::vector<COutputMethodData> methodsOpened;
    std::vector<bool> saveResults;
    CRecordingProgress progress;
    bool progressShown = false;

    void RunOptionsSheet(CDecodeOpData& data) override {
        events.push_back("sheet");
        if (sheet)
            sheet(data);
    }
    int RunTargetDialog() override {
        events.push_back("target");
        if (targets.empty())
            return -1;
        const int t = targets.front();
        targets.pop_front();
        return t;
    }
    IGenerateProgress& BeginProgress() override {
        events.push_back("progress shown");
        progressShown = true;
        return progress;
    }
    void EndProgress() override {
        events.push_back("progress closed");
        progressShown = false;
    }
    void RunPreview(CSourcePreviewData& data,
                    const std::function<bool(const std::string&)>& save) override {
        events.push_back("preview");
        previewsOpened.push_back(data);
        while (!saves.empty()) {
            data.m_text = saves.front();
            saves.pop_front();
            const bool close = save(data.m_text);
            saveResults.push_back(close);
            if (close)
                break;
        }
        if (closeGeometry) {
            data.m_width = closeGeometry->first.first;
            data.m_height = closeGeometry->first.second;
            data.m_zoomed = closeGeometry->second;
        }
    }
    bool RunOutputMethod(COutputMethodData& data) override {
        events.push_back("method");
        methodsOpened.push_back(data);
        if (methods.empty() || !methods.front()) {
            if (!methods.empty())
                methods.pop_front();
            return false;
        }
        data = *methods.front();
        methods.pop_front();
        return true;
    }
};
