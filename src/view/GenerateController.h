#pragma once

#include "DecodeOptions.h"
#include "GenerateDialogs.h"
#include "ModelTypes.h"
#include "Options.h"

#include <string>

class IViewHost;

// Size and state the source preview opens with; 0 by 0 is the dialog's own size.
struct CPreviewGeometry {
    int width = 0;
    int height = 0;
    int zoomed = 0;
    bool operator==(const CPreviewGeometry&) const = default;
};

// The generate commands of the view: the options record the writers read at every run (its one
// copy; the options sheet edits it, the settings load and save it), the last generated text and
// the preview's geometry, and the flow of ID_GENERATE and ID_GENERATE_OPTIONS through the
// generate dialogs.
class CGenerateController {
public:
    CGenerateController() = default;
    CGenerateController(const CGenerateController&) = delete;
    CGenerateController& operator=(const CGenerateController&) = delete;

    // Without dialogs the commands do nothing.
    void SetServices(const CGenerateServices& services) { m_services = services; }

    COptionsRecord& Options() { return m_options; }
    const COptionsRecord& Options() const { return m_options; }
    // The last generated text (code page 932).
    const std::string& Source() const { return m_source; }
    CPreviewGeometry PreviewGeometry() const { return {m_prevWidth, m_prevHeight, m_prevZoomed}; }
    void SetPreviewGeometry(const CPreviewGeometry& g);
    // The encoding a new output file is written in: what the output method dialog chose last.
    TextEncoding NewFileEncoding() const { return m_newFileEncoding; }
    void SetNewFileEncoding(TextEncoding e) { m_newFileEncoding = e; }

    // ID_GENERATE_OPTIONS: the options sheet over the record; its result is not used.
    void RunOptionsSheet();
    // ID_GENERATE over region: the target dialog, the writer with its progress window (host
    // shows the wait cursor meanwhile), then the preview with its ways out.
    void Generate(const CGenerateModel& model, const CCellRect& region, IViewHost* host);

private:
    CGenerateServices m_services;
    COptionsRecord m_options;
    CDecodeOpData m_sheet{m_options};
    std::string m_source;
    int m_prevWidth = 0;
    int m_prevHeight = 0;
    int m_prevZoomed = 0;
    TextEncoding m_newFileEncoding = TextEncoding::Utf8;
};
