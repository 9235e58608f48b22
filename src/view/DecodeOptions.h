#pragma once

#include "Options.h"

#include <array>
#include <string>

// The members each page of the options sheet keeps for its controls.
struct COptionPage1Data {
    int Doc = 0;
    int Cap = 0;
    int Com = 0;
    int Label = 0;
    int Table = 0;
    std::string CapStr;
    std::string LabelStr;
    int LabelPos = 0; // radio group: 0 above, 1 below, -1 none selected
    bool operator==(const COptionPage1Data&) const = default;
};

struct COptionPage2Data {
    int ArrayCom = 0;
    int Kakko = 0;
    int Math = 0;
    int ArrayDoc = 0;
    bool operator==(const COptionPage2Data&) const = default;
};

struct COptionPage3Data {
    int BorderHTML = 0;
    bool operator==(const COptionPage3Data&) const = default;
};

// Data of the generation options sheet: each page's own copy of its members, over the options
// record it reads when the sheet opens and writes when it closes (the record belongs to the
// generation controller, which the writers and the settings use).
class CDecodeOpData {
public:
    explicit CDecodeOpData(COptionsRecord& options) : m_options(options) {}

    COptionsRecord& m_options;
    COptionPage1Data m_page1;
    COptionPage2Data m_page2;
    COptionPage3Data m_page3;

    // Record into the page members (the sheet opens).
    void CopyToPages();
    // Page members back into the record (the sheet closes, by OK or Cancel alike).
    void CopyFromPages();
};

// One page's controls as the sheet's exchange sees them.
class IOptionPage {
public:
    virtual ~IOptionPage() = default;
    // save: controls into the page's members; false when a control holds a value that cannot
    // be kept, and the page stays on show. Otherwise members into controls.
    virtual bool Exchange(bool save) = 0;
};

// One modal run of the options sheet. A page loads its controls from its members when it is
// first shown and stores them back when the user leaves it for another tab, or on OK for the
// page on show. Closing copies every page's members into the record, so Cancel drops only
// the changes on the page on show since it was last entered.
class COptionSheetRun {
public:
    static constexpr int PAGE_COUNT = 3;

    COptionSheetRun(CDecodeOpData& data, const std::array<IOptionPage*, PAGE_COUNT>& pages)
        : m_data(data), m_pages(pages) {}

    // The sheet window initialises and shows page `first`.
    void Open(int first = 0);
    // The user picks another tab; false when the page on show refused to be left.
    bool SelectPage(int page);
    // OK: false when the page on show refused its values; the sheet stays open.
    bool Ok();
    void Cancel();

    int CurrentPage() const { return m_current; }
    bool IsOpen() const { return m_open; }

private:
    void Activate(int page);
    void Close();

    CDecodeOpData& m_data;
    std::array<IOptionPage*, PAGE_COUNT> m_pages;
    std::array<bool, PAGE_COUNT> m_created{};
    int m_current = 0;
    bool m_open = false;
};
