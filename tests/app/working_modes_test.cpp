#include "app/working_modes.h"

#include <gtest/gtest.h>

namespace volmira {
namespace {

std::array<bool, 4> selectable(const WorkingModes& m) {
    return {m.selectable(1), m.selectable(2), m.selectable(3), m.selectable(4)};
}

WorkingModes started() {
    WorkingModes m;
    m.switchTo(kModeDrawing);
    return m;
}

TEST(WorkingModes, EnablingGrowsWithAnalysisAndConfirmation) {
    WorkingModes m = started();
    EXPECT_EQ(selectable(m), (std::array{true, false, false, false}));

    ModeSwitch s = m.enable(2, 2);  // after an analysis
    EXPECT_TRUE(s.happened);
    EXPECT_EQ(m.workingMode(), 2);
    EXPECT_EQ(selectable(m), (std::array{true, true, false, false}));
    EXPECT_EQ(m.reachedMode(), 1) << "an analysis does not count as a choice of the user";

    m.enable(4, 3);  // after the confirmation of the values
    EXPECT_EQ(m.workingMode(), 3);
    EXPECT_EQ(m.pressedButton(), 3);
    EXPECT_EQ(selectable(m), (std::array{true, true, true, true}));

    m.newNetwork();
    EXPECT_EQ(m.workingMode(), 1);
    EXPECT_EQ(m.reachedMode(), 1);
    EXPECT_EQ(selectable(m), (std::array{true, false, false, false}));
}

// So are the current mode and modes out of range.
TEST(WorkingModes, ModesThatAreNotSelectableAreRefused) {
    WorkingModes m = started();
    for (int mode : {0, 1, 5}) EXPECT_FALSE(m.switchTo(mode).happened) << mode;
    EXPECT_FALSE(m.chooseFromMenu(3).happened);  // F7 before any confirmation
    EXPECT_FALSE(m.chooseButton(2).happened);
    EXPECT_EQ(m.workingMode(), 1);
    EXPECT_EQ(m.reachedMode(), 1);

    m.enable(2, 2);
    EXPECT_FALSE(m.chooseFromMenu(4).happened);
    EXPECT_EQ(m.workingMode(), 2);
}

TEST(WorkingModes, MenuChoiceNarrowsToReachedModeButtonsDoNot) {
    // After confirmation all four are selectable. Choosing mode 2 from the menu with ReachedMode
    // still 2 leaves only modes 1 and 2 selectable; the buttons leave the selection as it is.
    WorkingModes viaMenu = started();
    viaMenu.enable(2, 2);
    viaMenu.chooseFromMenu(2);
    viaMenu.enable(4, 3);
    EXPECT_EQ(viaMenu.reachedMode(), 2);
    ModeSwitch s = viaMenu.chooseFromMenu(2);
    EXPECT_TRUE(s.happened);
    EXPECT_EQ(selectable(viaMenu), (std::array{true, true, false, false}));

    WorkingModes viaButton = started();
    viaButton.enable(2, 2);
    viaButton.chooseButton(2);
    viaButton.enable(4, 3);
    viaButton.chooseButton(2);
    EXPECT_EQ(viaButton.workingMode(), 2);
    EXPECT_EQ(selectable(viaButton), (std::array{true, true, true, true}));
    EXPECT_EQ(viaButton.reachedMode(), 2);

    viaButton.chooseButton(4);
    EXPECT_EQ(viaButton.reachedMode(), 4);
    EXPECT_EQ(viaButton.workingMode(), 4);
    // Now the menu keeps everything up to mode 4 selectable, whatever it chooses.
    viaButton.chooseFromMenu(1);
    EXPECT_EQ(viaButton.workingMode(), 1);
    EXPECT_EQ(selectable(viaButton), (std::array{true, true, true, true}));
}

TEST(WorkingModes, DrawingChangeOrPressInvalidatesOnlyInModeOneAfterAnotherModeWasChosen) {
    WorkingModes fresh = started();
    fresh.enable(2, 2);
    fresh.chooseButton(1);
    // The analysis switched to mode 2 by itself, so ReachedMode is still 1 and a drawing change
    // does not invalidate (the press on the drawing withdraws the modes instead, see below).
    EXPECT_FALSE(fresh.drawingChanged());
    EXPECT_TRUE(fresh.selectable(2));

    WorkingModes used = started();
    used.enable(2, 2);
    used.chooseButton(2);
    used.chooseButton(1);
    EXPECT_EQ(used.reachedMode(), 2);
    EXPECT_TRUE(used.drawingChanged());
    EXPECT_EQ(used.workingMode(), 1);
    EXPECT_EQ(selectable(used), (std::array{true, false, false, false}));

    WorkingModes inModeTwo = started();
    inModeTwo.enable(2, 2);
    inModeTwo.chooseButton(2);
    EXPECT_FALSE(inModeTwo.drawingChanged());
    EXPECT_TRUE(inModeTwo.selectable(2));

    // A press on the drawing withdraws the result modes, also only in mode 1.
    WorkingModes m = started();
    m.enable(4, 3);
    m.withdrawResultModes();  // mode 3: no effect
    EXPECT_TRUE(m.selectable(4));
    m.chooseButton(1);
    m.withdrawResultModes();
    EXPECT_EQ(selectable(m), (std::array{true, false, false, false}));
    EXPECT_EQ(m.workingMode(), 1);
}

TEST(WorkingModes, ConfirmedValuesOpenTheResultModes) {
    WorkingModes m = started();
    m.enable(2, 2);
    const ModeSwitch s = m.confirmValues(false);
    EXPECT_EQ(s.to, 3);
    EXPECT_FALSE(s.calculate) << "the confirmation calculates itself";
    EXPECT_TRUE(m.valuesUnchanged());
    // In the graphic mode: editing withdrew modes 3 and 4, the confirmation gives them back.
    m.switchTo(4);
    m.enable(2, 4);
    EXPECT_FALSE(m.confirmValues(false).happened);
    EXPECT_EQ(m.workingMode(), 4);
    EXPECT_EQ(selectable(m), (std::array{true, true, true, true}));
}

// The work of each change of mode.
struct TransitionCase {
    int from;
    int to;
    bool valuesUnchanged;
    bool leaveGraphic, repaint, rebuildList, calculate, removeMarks, redrawMarks, enterGraphic,
        resetTool;
};

TEST(WorkingModes, WorkOfEachTransition) {
    const TransitionCase cases[] = {
        // from to unchanged | leave repaint list calc marks redraw enter tool
        {0, 1, false, false, false, false, false, false, false, false, false},
        {1, 2, false, false, false, true, false, false, false, false, true},
        {1, 3, false, false, false, false, true, false, false, false, true},
        {1, 3, true, false, false, false, true, false, false, false, true},
        {1, 4, false, false, false, false, false, false, false, true, true},
        {2, 1, false, false, false, false, false, true, false, false, false},
        {2, 3, false, false, false, false, true, true, false, false, false},
        {2, 3, true, false, false, false, false, false, true, false, false},
        {2, 4, false, false, false, false, false, false, false, true, false},
        {3, 1, false, false, true, false, false, false, false, false, false},
        {3, 2, false, false, true, true, false, false, false, false, false},
        {3, 4, false, false, false, false, false, false, false, true, false},
        {4, 1, false, true, true, false, false, false, false, false, false},
        {4, 2, false, true, true, true, false, false, false, false, false},
        {4, 3, false, true, true, false, true, false, false, false, false},
        {4, 3, true, true, true, false, true, false, false, false, false},
    };
    for (const TransitionCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.from << " -> " << c.to << " unchanged " << c.valuesUnchanged);
        WorkingModes m;
        if (c.from > 0) m.switchTo(c.from);
        m.setValuesUnchanged(c.valuesUnchanged);
        const ModeSwitch s = m.switchTo(c.to);
        EXPECT_TRUE(s.happened);
        EXPECT_EQ(s.from, c.from);
        EXPECT_EQ(s.to, c.to);
        EXPECT_EQ(s.layoutDrawingArea, c.to < 4);
        EXPECT_EQ(s.leaveGraphic, c.leaveGraphic);
        EXPECT_EQ(s.repaintDrawing, c.repaint);
        EXPECT_EQ(s.rebuildValueList, c.rebuildList);
        EXPECT_EQ(s.calculate, c.calculate);
        EXPECT_EQ(s.removeComponentMarks, c.removeMarks);
        EXPECT_EQ(s.redrawMarks, c.redrawMarks);
        EXPECT_EQ(s.enterGraphic, c.enterGraphic);
        EXPECT_EQ(s.resetDrawingTool, c.resetTool);
        EXPECT_EQ(s.refreshHelp, c.from == 4 || c.to == 4);
        EXPECT_EQ(m.workingMode(), c.to);
    }
}

}  // namespace
}  // namespace volmira
