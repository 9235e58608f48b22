#include "CommandRouter.h"
#include "CommandTable.h"
#include "DocCommandTarget.h"
#include "FakePlatform.h"
#include "MyDoc.h"
#include "Resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A target that knows a fixed set of commands, with a settable enable state, and logs runs.
class CLogTarget : public ICommandTarget {
public:
    CLogTarget(std::string name, std::vector<int> ids, std::vector<std::string>& log)
        : m_name(std::move(name)), m_ids(std::move(ids)), m_log(log) {}
    bool enabled = true;

    bool OnCommand(int id) override {
        if (!Knows(id))
            return false;
        m_log.push_back(m_name + ":" + std::to_string(id));
        return true;
    }
    bool OnUpdateCommand(int id, CCmdUI& ui) override {
        if (!Knows(id))
            return false;
        ui.enabled = enabled;
        ui.checked = m_name == "view";
        return true;
    }

private:
    bool Knows(int id) const {
        for (int k : m_ids)
            if (k == id)
                return true;
        return false;
    }
    std::string m_name;
    std::vector<int> m_ids;
    std::vector<std::string>& m_log;
};

TEST(CommandRouter, FirstTargetThatKnowsTheCommandHandlesIt) {
    std::vector<std::string> log;
    CLogTarget view("view", {ID_VIEW_GRID, ID_EDIT_COPY}, log);
    CLogTarget doc("doc", {ID_FILE_SAVE, ID_EDIT_COPY}, log);
    CLogTarget app("app", {ID_APP_EXIT, ID_FILE_SAVE}, log);
    CCommandRouter router;
    router.AddTarget(&view);
    router.AddTarget(&doc);
    router.AddTarget(&app);

    EXPECT_TRUE(router.Execute(ID_EDIT_COPY));
    EXPECT_TRUE(router.Execute(ID_FILE_SAVE));
    EXPECT_TRUE(router.Execute(ID_APP_EXIT));
    EXPECT_EQ(log, (std::vector<std::string>{"view:57634", "doc:57603", "app:57665"}));

    CCmdUI ui;
    EXPECT_TRUE(router.Update(ID_VIEW_GRID, ui));
    EXPECT_TRUE(ui.checked);
    EXPECT_TRUE(router.Update(ID_FILE_SAVE, ui));
    EXPECT_FALSE(ui.checked) << "the document's state, not the application's";
}

TEST(CommandRouter, UnknownCommandIsDisabledAndNotRun) {
    std::vector<std::string> log;
    CLogTarget view("view", {ID_VIEW_GRID}, log);
    CCommandRouter router;
    router.AddTarget(&view);
    CCmdUI ui{true, true};
    EXPECT_FALSE(router.Update(ID_GENERATE, ui));
    EXPECT_FALSE(ui.enabled);
    EXPECT_FALSE(ui.checked);
    EXPECT_FALSE(router.Execute(ID_GENERATE));
    EXPECT_TRUE(log.empty());
}

TEST(CommandRouter, DisabledCommandIsNotRunEvenByALaterTarget) {
    std::vector<std::string> log;
    CLogTarget doc("doc", {ID_FILE_SAVE}, log);
    CLogTarget app("app", {ID_FILE_SAVE}, log);
    doc.enabled = false;
    CCommandRouter router;
    router.AddTarget(&doc);
    router.AddTarget(&app);
    EXPECT_FALSE(router.Execute(ID_FILE_SAVE));
    EXPECT_TRUE(log.empty());

    router.RemoveTarget(&doc);
    EXPECT_TRUE(router.Execute(ID_FILE_SAVE));
    EXPECT_EQ(log, std::vector<std::string>{"app:57603"});
}

TEST(CommandTable, RunsHandlersAndReportsTheirState) {
    CCommandTable table;
    int exits = 0;
    bool toolbarShown = true;
    table.Add(ID_APP_EXIT, [&] { ++exits; });
    table.Add(
        ID_VIEW_TOOLBAR, [&] { toolbarShown = !toolbarShown; },
        [&](CCmdUI& ui) { ui.checked = toolbarShown; });

    CCommandRouter router;
    router.AddTarget(&table);
    CCmdUI ui;
    ASSERT_TRUE(router.Update(ID_VIEW_TOOLBAR, ui));
    EXPECT_TRUE(ui.enabled);
    EXPECT_TRUE(ui.checked);
    EXPECT_TRUE(router.Execute(ID_VIEW_TOOLBAR));
    router.Update(ID_VIEW_TOOLBAR, ui);
    EXPECT_FALSE(ui.checked);

    ASSERT_TRUE(router.Update(ID_APP_EXIT, ui));
    EXPECT_TRUE(ui.enabled);
    EXPECT_FALSE(ui.checked);
    EXPECT_TRUE(router.Execute(ID_APP_EXIT));
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(table.Contains(ID_APP_ABOUT));
}

class DocCommandTargetTest : public ::testing::Test {
protected:
    CFakeMessageBox messageBox;
    CFakeFileDialog fileDialog;
    CFakeFileTypeQuestion fileType;
    CMyDoc doc{messageBox, fileDialog, fileType};
    CDocCommandTarget target{doc};
    CCommandRouter router;

    void SetUp() override {
        doc.OnNewDocument();
        router.AddTarget(&target);
    }
    bool Enabled(int id) {
        CCmdUI ui;
        EXPECT_TRUE(router.Update(id, ui)) << id;
        return ui.enabled;
    }
};

TEST_F(DocCommandTargetTest, SaveIsEnabledOnlyWhileModified) {
    struct Case {
        const char* name;
        int id;
        bool whenClean;
        bool whenModified;
    };
    const Case cases[] = {
        {"New", ID_FILE_NEW, true, true},
        {"Open", ID_FILE_OPEN, true, true},
        {"Save", ID_FILE_SAVE, false, true},
        {"Save As", ID_FILE_SAVE_AS, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.SetModifiedFlag(false);
        EXPECT_EQ(Enabled(c.id), c.whenClean);
        doc.SetModifiedFlag(true);
        EXPECT_EQ(Enabled(c.id), c.whenModified);
    }
    CCmdUI ui;
    EXPECT_FALSE(target.OnUpdateCommand(ID_EDIT_COPY, ui)) << "not a document command";
    EXPECT_FALSE(target.OnCommand(ID_EDIT_COPY));
}

TEST_F(DocCommandTargetTest, SaveOnACleanDocumentDoesNothing) {
    EXPECT_FALSE(router.Execute(ID_FILE_SAVE));
    EXPECT_TRUE(fileDialog.requests.empty());
}

TEST_F(DocCommandTargetTest, NewOnAModifiedDocumentAnsweredCancelChangesNothing) {
    CCellData rec;
    rec.text = "abc";
    doc.m_cells.SetCell(2, 3, rec);
    doc.SetModifiedFlag(true);
    messageBox.answers.push_back(MsgAnswer::Cancel);
    EXPECT_TRUE(router.Execute(ID_FILE_NEW));
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.m_bContentsReplaced);
    ASSERT_NE(doc.m_cells.GetCell(2, 3), nullptr);
    EXPECT_EQ(doc.m_cells.GetCell(2, 3)->text, "abc");
}

TEST_F(DocCommandTargetTest, OpenAndSaveAsReachTheDocumentsDialogs) {
    EXPECT_TRUE(router.Execute(ID_FILE_OPEN));
    EXPECT_TRUE(router.Execute(ID_FILE_SAVE_AS));
    ASSERT_EQ(fileDialog.requests.size(), 2u);
    EXPECT_EQ(fileDialog.requests[0].kind, CFileDialogRequest::Open);
    EXPECT_EQ(fileDialog.requests[1].kind, CFileDialogRequest::Save);
}

} // namespace
