#pragma once

#include "Archive.h"
#include "CellArray.h"
#include "CellSize.h"
#include "LineArray.h"
#include "TextImport.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class IMessageBox;
class IFileDialog;
class IFileTypeQuestion;
struct CTableReadResult;

// How the last read of a file ended, for callers that cannot watch the message boxes.
struct CReadResult {
    enum Outcome {
        Ok,
        ReaderFailed, // a reader showed its failure message; what was read stays
        FileError,    // the file could not be opened or read, or ended early; not yet reported
        Refused,      // a UTF-8 text held a character code page 932 cannot; reported, and the
                      // document is as it was before the read
    };
    Outcome outcome = Ok;
    std::string reason;  // English, e.g. "the file ends early" or the system's reason
    std::string message; // for FileError: the report naming the file and the reason

    bool Failed() const { return outcome != Ok; }
};

// The single document: owns the table model for the whole run and runs the file commands.
// The model members are never replaced; New and Open refill them in place.
class CMyDoc {
public:
    CMyDoc(IMessageBox& messageBox, IFileDialog& fileDialog, IFileTypeQuestion& fileType);
    CMyDoc(const CMyDoc&) = delete;
    CMyDoc& operator=(const CMyDoc&) = delete;

    CCellArray m_cells;
    CLineArray m_hLines;
    CLineArray m_vLines;
    CCellSize m_sizes;
    bool m_bSaveCancelled = false;
    bool m_bImported = false;
    bool m_bContentsReplaced = false;
    bool m_bMarkModified = false;

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);
    // Counters for observers that poll: every SetModifiedFlag(true) counts as a change, every
    // SetModifiedFlag(false) as contents saved or given up (Save, Save As, New, Open).
    std::uint64_t EditCount() const { return m_editCount; }
    std::uint64_t CleanCount() const { return m_cleanCount; }

    void DeleteContents();
    bool OnNewDocument();
    bool OnSaveDocument(const std::string& path);

    // File commands (ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS).
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();

    // New's question before the contents go: false when the user cancelled, or answered Yes
    // and the save did not happen. True at once while nothing is modified.
    bool AskToSaveChanges();
    // Replaces the contents with a table read from elsewhere (the records of cells are taken
    // over, cells is left empty), as a new untitled document with unsaved changes: standard
    // widths, the views updated as after New.
    void TakeNewTable(CCellArray& cells, const CLineArray& hLines, const CLineArray& vLines);

    // Opening a file named on the command line or handed over by the desktop.
    // False when the file could not be read; the error has been reported.
    bool OnOpenDocument(const std::string& path);
    // The save prompt before the main window closes. False when the user cancelled.
    bool SaveModified();

    const std::string& GetPathName() const { return m_pathName; }
    void SetPathName(const std::string& path);
    // "Untitled" or the file's name without its folder.
    std::string GetTitle() const;
    // No path name, or one that ends in "Untitled": Save asks for a name.
    bool IsNeverSaved() const;

    // Open after its dialog: empties the document, takes path as its path name and reads it
    // (CSV import for a name ending in CSV, else the native reader with its fallback).
    // A FileError is returned, not shown; the other messages are shown as usual.
    CReadResult OpenFile(const std::string& path);
    // The native reader on the current path name; a FileError is returned, not shown.
    CReadResult LoadFromFile();
    // Writes the native file to the current path name; reports a failure and returns false.
    bool SaveToFile();
    // The native file's bytes for the current contents.
    std::string SerializeToBytes() const;
    // Takes native file bytes in the current format as unsaved contents of path, as Open
    // would, and marks the document modified so that Save writes them to path (through Save
    // As when imported). A FileError, not shown, when the bytes are no complete table.
    CReadResult OpenUnsaved(std::string_view nativeBytes, const std::string& path, bool imported);
    // Reads native file bytes into the document (the fallback included, over the same bytes);
    // raises CTableReadError when the current format ends early.
    void SerializeFromBytes(std::string_view bytes);
    // Text imports of the current path name. A read error raises CTableReadError.
    void ImportCsv(bool skipQuestion);
    void ImportTabText();
    // How the last OpenFile, LoadFromFile or OnOpenDocument ended.
    const CReadResult& LastRead() const { return m_read; }

    // Called whenever New or Open replaced the contents (the views update).
    std::function<void()> onUpdateAllViews;
    // Called when the title or the modified flag changed.
    std::function<void()> onTitleChanged;
    // Called at the start of every native file read or write (closes the splash for good).
    std::function<void()> onFileAccess;

private:
    // The native reader on path; raises CTableReadError.
    void ReadNative(const std::string& path);
    // What a read replaces, kept aside so that a refused text import leaves the table as it was.
    struct CKeptTable {
        CCellArray cells;
        CLineArray hLines, vLines;
        CCellSize sizes;
        std::string pathName;
        bool modified = false, imported = false;
    };
    void KeepTable(CKeptTable& kept);
    void RestoreTable(CKeptTable& kept);
    // The flags the fallback sets: the table is to be saved in the current format.
    void TakeFallback();
    // Shows a reader's messages in order and keeps what it says about the contents.
    void TakeReadResult(const CTableReadResult& result);
    void ImportText(TextSeparator separator);
    bool WriteTo(const std::string& path);
    void UpdateAllViews();
    void ReportFileError(const CReadResult& result);

    IMessageBox& m_messageBox;
    IFileDialog& m_fileDialog;
    IFileTypeQuestion& m_fileType;
    std::string m_pathName;
    std::string m_readingPath; // the file being read, for the fallback's text import
    CReadResult m_read;
    bool m_modified = false;
    std::uint64_t m_editCount = 0;
    std::uint64_t m_cleanCount = 0;
};
