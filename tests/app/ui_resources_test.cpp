#include "Resource.h"
#include "UiResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Groups of toolbar buttons between separators.
std::vector<std::vector<int>> ToolbarGroups() {
    std::vector<std::vector<int>> groups(1);
    for (int id : ToolbarButtons()) {
        if (id == 0)
            groups.emplace_back();
        else
            groups.back().push_back(id);
    }
    return groups;
}

const CMenuEntry* FindMenu(const char* title) {
    for (const CMenuEntry& e : MainMenu())
        if (e.text == title)
            return &e;
    return nullptr;
}

// The twenty-one buttons of the table editor, then the rendered preview's own.
TEST(UiResources, ToolbarHasTwentyOneButtonsInItsGroupsAndThePreview) {
    const std::vector<std::vector<int>> expected = {
        {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE},
        {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR},
        {ID_EDIT_UNDO},
        {ID_APP_ABOUT},
        {ID_CELL_SIZE, ID_FONT},
        {ID_ALIGN_LEFT, ID_ALIGN_CENTER, ID_ALIGN_RIGHT},
        {ID_CELL_INPUT, ID_VIEW_GRID, ID_AUTO_HEIGHT, ID_FIT_WIDTH},
        {ID_LINE_PALETTE, ID_GENERATE_OPTIONS, ID_GENERATE},
        {ID_VIEW_RENDER_PREVIEW},
    };
    EXPECT_EQ(ToolbarGroups(), expected);
    const auto buttons = std::count_if(ToolbarButtons().begin(), ToolbarButtons().end(),
                                       [](int id) { return id != 0; });
    EXPECT_EQ(buttons, 22);
}

TEST(UiResources, MenuBarHasEveryMenuInOrder) {
    std::vector<std::string> titles;
    for (const CMenuEntry& e : MainMenu()) {
        EXPECT_EQ(e.kind, CMenuEntry::Popup) << e.text;
        titles.push_back(e.text);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Edit", "&View", "&Text", "Li&nes",
                                                "LaTeX(&L)", "&Options", "&Help"}));

    struct Case {
        const char* menu;
        std::vector<int> ids;
    };
    const Case cases[] = {
        {"&File",
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_IMPORT_TABLE,
          ID_APP_EXIT}},
        {"&Edit",
         {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, ID_COPY_PLAIN_CSV,
          ID_COPY_PLAIN_TEXT, ID_PASTE_PLAIN_CSV, ID_PASTE_PLAIN_TEXT, ID_EDIT_PASTE_SOURCE,
          ID_TO_MATH, ID_TO_PLAIN}},
        {"&View", {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_GRID, ID_VIEW_RENDER_PREVIEW}},
        {"&Text", {ID_CELL_INPUT, ID_ALIGN_LEFT, ID_ALIGN_CENTER, ID_ALIGN_RIGHT}},
        {"Li&nes",
         {ID_LINE_SINGLE_FRAME, ID_LINE_SINGLE_TOP, ID_LINE_SINGLE_BOTTOM, ID_LINE_SINGLE_LEFT,
          ID_LINE_SINGLE_RIGHT, ID_LINE_DOUBLE_FRAME, ID_LINE_DOUBLE_TOP, ID_LINE_DOUBLE_BOTTOM,
          ID_LINE_DOUBLE_LEFT, ID_LINE_DOUBLE_RIGHT, ID_LINE_GRID, ID_LINE_TEMPLATE, ID_LINE_CLEAR,
          ID_LINE_PALETTE}},
        {"LaTeX(&L)", {ID_GENERATE, ID_GENERATE_OPTIONS}},
        {"&Options", {ID_CELL_SIZE, ID_FONT, ID_AUTO_HEIGHT, ID_FIT_WIDTH, ID_STANDARD_SIZE}},
        {"&Help", {ID_HELP_INDEX, ID_APP_ABOUT}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu);
        const CMenuEntry* menu = FindMenu(c.menu);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(MenuCommandIds(menu->children), c.ids);
    }
}

TEST(UiResources, ContextMenuHoldsTheGridCommandsInOrder) {
    const std::vector<CMenuEntry>& menu = ContextMenu();
    std::vector<int> shape; // command ids, -1 for a separator, -2 for a submenu
    for (const CMenuEntry& e : menu)
        shape.push_back(e.kind == CMenuEntry::Command     ? e.id
                        : e.kind == CMenuEntry::Separator ? -1
                                                          : -2);
    EXPECT_EQ(shape, (std::vector<int>{ID_CELL_INPUT, ID_GENERATE, -1, ID_EDIT_UNDO, ID_EDIT_CUT,
                                       ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, -2, -2,
                                       ID_EDIT_PASTE_SOURCE, -1, ID_LINE_PALETTE, -2}));
    EXPECT_EQ(MenuCommandIds(menu),
              (std::vector<int>{ID_CELL_INPUT, ID_GENERATE, ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY,
                                ID_EDIT_PASTE, ID_EDIT_CLEAR, ID_COPY_PLAIN_CSV, ID_COPY_PLAIN_TEXT,
                                ID_PASTE_PLAIN_CSV, ID_PASTE_PLAIN_TEXT, ID_EDIT_PASTE_SOURCE,
                                ID_LINE_PALETTE, ID_TO_MATH, ID_TO_PLAIN}));
}

TEST(UiResources, AcceleratorsAreUniqueAndComplete) {
    std::map<std::string, int> byKey;
    for (const CAccelerator& a : Accelerators()) {
        SCOPED_TRACE(a.key);
        EXPECT_TRUE(byKey.emplace(a.key, a.id).second) << "key bound twice";
    }
    const std::map<std::string, int> expected = {
        {"Ctrl+C", ID_EDIT_COPY},   {"Ctrl+Ins", ID_EDIT_COPY},      {"Ctrl+X", ID_EDIT_CUT},
        {"Shift+Del", ID_EDIT_CUT}, {"Ctrl+V", ID_EDIT_PASTE},       {"Shift+Ins", ID_EDIT_PASTE},
        {"Ctrl+Z", ID_EDIT_UNDO},   {"Alt+Backspace", ID_EDIT_UNDO}, {"Ctrl+D", ID_EDIT_CLEAR},
        {"Ctrl+I", ID_CELL_INPUT},  {"Ctrl+N", ID_FILE_NEW},         {"Ctrl+O", ID_FILE_OPEN},
        {"Ctrl+S", ID_FILE_SAVE},   {"F1", ID_HELP_INDEX},           {"F6", ID_NEXT_PANE},
        {"Shift+F6", ID_PREV_PANE}, {"F7", ID_VIEW_RENDER_PREVIEW},
    };
    EXPECT_EQ(byKey, expected);
}

TEST(UiResources, EveryMenuAndToolbarCommandHasAPromptAndATooltip) {
    std::set<int> ids;
    for (int id : MenuCommandIds(MainMenu()))
        EXPECT_TRUE(ids.insert(id).second) << "command " << id << " twice in the menu bar";
    for (int id : MenuCommandIds(ContextMenu()))
        ids.insert(id);
    for (int id : ToolbarButtons()) {
        if (id != 0) {
            EXPECT_TRUE(ids.count(id)) << "toolbar command " << id << " is in no menu";
        }
    }
    for (int id : ids) {
        SCOPED_TRACE(id);
        const CCommandPrompt prompt = CommandPrompt(id);
        EXPECT_FALSE(prompt.status.empty());
        EXPECT_FALSE(prompt.tooltip.empty());
    }
    EXPECT_TRUE(CommandPrompt(12345).status.empty());
}

} // namespace

// A letter two items of one menu share only moves between them; neither runs.
TEST(UiResources, FileEditAndContextMenuMnemonicsAreDistinct) {
    struct Level {
        std::string name;
        const std::vector<CMenuEntry>* entries;
    };
    std::vector<Level> levels = {{"File", &FindMenu("&File")->children},
                                 {"Edit", &FindMenu("&Edit")->children},
                                 {"context", &ContextMenu()}};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const Level level = levels[i];
        SCOPED_TRACE(level.name);
        std::map<char, std::string> taken;
        for (const CMenuEntry& e : *level.entries) {
            if (e.kind == CMenuEntry::Popup)
                levels.push_back({level.name + " > " + e.text, &e.children});
            const std::size_t amp = e.text.find('&');
            if (e.kind == CMenuEntry::Separator || amp == std::string::npos)
                continue;
            const char key = static_cast<char>(std::tolower(e.text[amp + 1]));
            const auto [it, fresh] = taken.emplace(key, e.text);
            EXPECT_TRUE(fresh) << e.text << " and " << it->second;
        }
    }
}
