#include "DecodeOptions.h"

void CDecodeOpData::CopyToPages() {
    const COptionsRecord& o = m_options;
    m_page1 = {o.Doc, o.Cap, o.Com, o.Label, o.Table, o.CapStr, o.LabelStr, o.LabelPos};
    m_page2 = {o.ArrayCom, o.Kakko, o.Math, o.ArrayDoc};
    m_page3 = {o.BorderHTML};
}

void CDecodeOpData::CopyFromPages() {
    COptionsRecord& o = m_options;
    o.Doc = m_page1.Doc;
    o.Cap = m_page1.Cap;
    o.Com = m_page1.Com;
    o.Label = m_page1.Label;
    o.Table = m_page1.Table;
    o.CapStr = m_page1.CapStr;
    o.LabelStr = m_page1.LabelStr;
    o.LabelPos = m_page1.LabelPos;
    o.ArrayCom = m_page2.ArrayCom;
    o.Kakko = m_page2.Kakko;
    o.Math = m_page2.Math;
    o.ArrayDoc = m_page2.ArrayDoc;
    o.BorderHTML = m_page3.BorderHTML;
}

void COptionSheetRun::Open(int first) {
    m_data.CopyToPages();
    m_created.fill(false);
    m_open = true;
    Activate(first >= 0 && first < PAGE_COUNT ? first : 0);
}

void COptionSheetRun::Activate(int page) {
    m_current = page;
    if (!m_created[page]) {
        m_created[page] = true;
        if (m_pages[page])
            m_pages[page]->Exchange(false);
    }
}

bool COptionSheetRun::SelectPage(int page) {
    if (!m_open || page < 0 || page >= PAGE_COUNT)
        return false;
    if (page == m_current)
        return true;
    if (m_pages[m_current] && !m_pages[m_current]->Exchange(true))
        return false;
    Activate(page);
    return true;
}

bool COptionSheetRun::Ok() {
    if (!m_open)
        return false;
    if (m_pages[m_current] && !m_pages[m_current]->Exchange(true))
        return false;
    Close();
    return true;
}

void COptionSheetRun::Cancel() {
    if (m_open)
        Close();
}

void COptionSheetRun::Close() {
    m_data.CopyFromPages();
    m_open = false;
}
