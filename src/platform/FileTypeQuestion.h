#pragma once

// Asks whether a text file is comma-separated or tab-separated ("CSV形式(&C)" / "Tab 形式(&T)").
class IFileTypeQuestion {
public:
    virtual ~IFileTypeQuestion() = default;
    // True for CSV (the default button); false for tab-separated, also when the dialog is closed.
    virtual bool AskCsv() = 0;
};
