// The demonstration's script carried out on the editor and the engine as the window's driver
// does it: the drawing of step 2 is the RCL network whose value rows 1 to 3 are R, L and C, and
// the miniature click of step 10 lands on the capacitor's branch.
#include "graphics/demo_script.h"

#include <gtest/gtest.h>

#include "analysis/calculation.h"
#include "graphics/miniature.h"
#include "schematic/editor.h"
#include "schematic/symbol_catalogue.h"

namespace volmira {
namespace {

// What a press on a toolbar button `Sym<n>` does in the editor.
void pressTool(Editor& editor, std::string_view button) {
    if (button == "Sym14") return editor.startRectangle();
    if (button == "Sym15") return editor.startLine();
    if (button == "Sym16") return editor.startNode();
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    for (int code = 0; code < kSymbolCodeCount; ++code)
        if (catalogue[code].toolbarButton == button) return editor.selectSymbol(code);
    FAIL() << "no tool button " << button;
}

// Step 2's actions carried out on the editor.
void drawStep2(SchematicGrid& grid, SymbolList& symbols) {
    SchematicGrid undo;
    Editor editor(grid, undo, symbols);
    for (const DemoStepAction& a : demoStep(2).actions) {
        switch (a.action) {
            case DemoAction::Press:
                pressTool(editor, a.text);
                break;
            case DemoAction::Drag:
            case DemoAction::Click:
            case DemoAction::RightClick: {
                const bool drag = a.action == DemoAction::Drag;
                const MouseButton button =
                    a.action == DemoAction::RightClick ? MouseButton::Right : MouseButton::Left;
                editor.mouseMove(a.from, false);
                editor.mousePress(a.from, button);
                if (drag) editor.mouseMove(a.to, true);
                editor.mouseRelease(drag ? a.to : a.from, button);
                break;
            }
            default:
                break;
        }
    }
    rebuildSymbolList(grid, symbols);
}

TEST(DemoScript, TheDrawnNetworkHasItsValueRowsInTheTypedOrderAndTheCapacitorUnderTheClick) {
    SchematicGrid grid;
    SymbolList symbols;
    drawStep2(grid, symbols);
    Calculation calc;
    ASSERT_TRUE(calc.analyse(grid).ok());
    const Network& network = calc.network();
    ASSERT_EQ(network.componentCount, 3);
    EXPECT_EQ(network.component(1).name, "R 1");
    EXPECT_EQ(network.component(2).name, "L 1");
    EXPECT_EQ(network.component(3).name, "C 1");
    // The source's node splits its loop: two branches through R and the source, L, C.
    EXPECT_EQ(network.branchCount, 4);

    bool changed = false;
    for (const DemoStepAction& a : demoStep(5).actions)
        EXPECT_EQ(calc.storeValue(a.row, a.text, changed), StoreResult::Stored);
    EXPECT_FALSE(calc.confirmValues());
    EXPECT_DOUBLE_EQ(network.component(2).value, 3.3e-3);

    const DemoStepAction& pick = demoStep(10).actions.back();
    ASSERT_EQ(pick.action, DemoAction::PickBranch);
    EXPECT_EQ(miniatureBranchAt(network, pick.from.x, pick.from.y), network.component(3).branch);
}

}  // namespace
}  // namespace volmira
