#include "editor/rules/EditHistory.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

TEST(EditHistory, UndoAfterLoadDoesNothingAndOneCharacterUndoesAndRedoes) {
    EditHistory h;
    h.SetBase("loaded");
    EXPECT_FALSE(h.Undo());
    h.Record("loadedx");
    EXPECT_EQ(h.Undo(), "loaded");
    EXPECT_EQ(h.Redo(), "loadedx");
    EXPECT_FALSE(h.Redo()); // the newest snapshot: never the empty text of an unwritten slot
}

TEST(EditHistory, SixtyChangesKeepFiftyStepsBackToTheTenthChange) {
    EditHistory h;
    for (int i = 1; i <= 60; ++i) {
        h.Record(std::to_string(i));
    }
    std::optional<std::string> last;
    for (int i = 0; i < 50; ++i) {
        last = h.Undo();
        ASSERT_TRUE(last) << i;
    }
    EXPECT_EQ(last, "10");
    EXPECT_FALSE(h.Undo());
    EXPECT_EQ(h.HistoryPos(), 0);
}

TEST(EditHistory, AChangeAfterUndoDropsTheSnapshotsAbove) {
    EditHistory h;
    h.Record("a");
    h.Record("ab");
    h.Record("abc");
    h.Undo();
    h.Undo();
    h.Record("aX");
    EXPECT_FALSE(h.Redo());
    EXPECT_EQ(h.Undo(), "a");
    EXPECT_EQ(h.Redo(), "aX");
    EXPECT_TRUE(h.Slot(3).empty());
}

TEST(EditHistory, RestoringMarksDirtyWithoutRecordingAndResetDisablesUndo) {
    EditHistory h;
    EXPECT_FALSE(h.UndoRedoEnabled());
    h.IsRestoring = true;
    h.Record("x");
    EXPECT_EQ(h.IsDirty, 1);
    EXPECT_EQ(h.HistoryPos(), 0);
    EXPECT_FALSE(h.UndoRedoEnabled());
    h.IsRestoring = false;
    h.Record("y");
    EXPECT_TRUE(h.UndoRedoEnabled());
    h.ResetHistory();
    EXPECT_FALSE(h.UndoRedoEnabled());
    EXPECT_EQ(h.HistoryPos(), 0);
    EXPECT_FALSE(h.Undo());
    EXPECT_FALSE(h.Redo());
}

} // namespace
} // namespace ombrix
