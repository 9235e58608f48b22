#include "QtTextMeasurer.h"

#include "QtDeviceContext.h"

CSize CQtTextMeasurer::MeasureText(const CFontDesc& font, std::string_view cp932) {
    if (!m_metrics || !(font == m_font)) {
        m_metrics.emplace(CQtDeviceContext::MakeFont(font));
        m_font = font;
    }
    return {m_metrics->horizontalAdvance(CQtDeviceContext::DisplayText(cp932)),
            m_metrics->height()};
}
