#pragma once

#include "CellArray.h"
#include "CellSize.h"
#include "LineArray.h"

#include <functional>
#include <string>

class IMessageBox;
class IFileDialog;
class IFileTypeQuestion;

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

    void DeleteContents();
    bool OnNewDocument();
    bool OnSaveDocument(const std::string& path);

    // File commands (ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS).
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();

    // Opening a file named on the command line or handed over by the desktop.
    // False when the file could not be read; the error has been reported.
    bool OnOpenDocument(const std::string& path);
    // The save prompt before the main window closes. False when the user cancelled.
    bool SaveModified();

    const std::string& GetPathName() const { return m_pathName; }
    void SetPathName(const std::string& path);
    // "Untitled" or the file's name without its folder.
    std::string GetTitle() const;

    // Called whenever New or Open replaced the contents (the views update).
    std::function<void()> onUpdateAllViews;
    // Called when the title or the modified flag changed.
    std::function<void()> onTitleChanged;
    // Called at the start of every native file read or write (closes the splash for good).
    std::function<void()> onFileAccess;

private:
    IMessageBox& m_messageBox;
    IFileDialog& m_fileDialog;
    IFileTypeQuestion& m_fileType;
    std::string m_pathName;
    bool m_modified = false;
};
