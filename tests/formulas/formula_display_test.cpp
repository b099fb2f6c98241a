// The formula displays and figures: one for every key, legible and inside their areas, and the
// display language they are written in.
#include <gtest/gtest.h>

#include "formulas/display_language.h"
#include "formulas/formula_displays.h"
#include "formulas/formula_figures.h"
#include "formulas/formula_layout.h"

namespace volmira {
namespace {

// The symbol of a quantity: the last word of its label ("Gesamtwiderstand Rg" is Rg).
std::string symbolOf(std::string_view name) {
    return std::string(name.substr(name.rfind(' ') + 1));
}

// The notation's left-hand side with its Greek letters and indices written out.
std::string leftSide(std::string_view notation) {
    std::string side;
    for (std::size_t i = 0; i < notation.size() && notation[i] != ' '; ++i) {
        if (notation[i] == '~')
            side += symbolFontToUnicode(notation[++i]);
        else if (notation[i] != '_')
            side += notation[i];
    }
    return side;
}

TEST(FormulaDisplay, EveryKeyShowsItsFormulaSolvedForTheSoughtQuantity) {
    int keys = 0;
    for (const FormulaVariant& formula : formulaVariants()) {
        for (int q = 1; q <= formula.quantityCount; ++q, ++keys) {
            const FormulaKey key{formula.page, formula.formula, formula.variant, q};
            const std::string_view notation = formulaNotation(key);
            ASSERT_FALSE(notation.empty()) << key.code();
            EXPECT_EQ(leftSide(notation), symbolOf(formula.quantityNames[q - 1])) << key.code();

            const FormulaLayout layout =
                layoutFormula(notation, kFormulaDisplayWidth, kFormulaDisplayHeight);
            EXPECT_LE(layout.width, kFormulaDisplayWidth - 20) << key.code();
            EXPECT_LE(layout.height, kFormulaDisplayHeight - 10) << key.code();
            const DisplayItems items = readFormulaDisplay(formulaDisplay(key));
            EXPECT_EQ(items.unread, "") << key.code();
            for (const DisplayText& text : items.texts) {
                EXPECT_GE(text.x, 0) << key.code();
                EXPECT_LE(text.y + text.height, kFormulaDisplayHeight) << key.code();
            }
        }
    }
    EXPECT_EQ(keys, 97);
}

TEST(DisplayLanguage, ReadsEachKindOfItem) {
    DisplayItems items = readFormulaDisplay("@052-003#1-050-025-Q =  C  U#  .103-021");
    ASSERT_EQ(items.texts.size(), 2u);
    EXPECT_EQ(items.texts[0].text, "Q =  C  U");
    EXPECT_EQ(items.texts[0].x, 102);
    EXPECT_EQ(items.texts[0].y, 28);
    EXPECT_TRUE(items.texts[0].bold);
    EXPECT_EQ(items.texts[0].height, 20);
    EXPECT_EQ(items.texts[1].text, ".");
    EXPECT_EQ(items.texts[1].x, 155);
    EXPECT_EQ(items.unread, "  ");

    // The text is cut out first, so its "." and "*" are not read as items.
    items = readFormulaDisplay(
        "*2-010-020-090-020#2-001--06-a.b*c#&0-18-030-040-wWRZ1-020-010-060-040");
    ASSERT_EQ(items.texts.size(), 2u);
    EXPECT_EQ(items.texts[0].text, "a.b*c");
    EXPECT_EQ(items.texts[0].y, -6);
    EXPECT_FALSE(items.texts[0].bold);
    EXPECT_EQ(items.texts[1].text, "\xCF\x89");
    EXPECT_FALSE(items.texts[1].bold);
    ASSERT_EQ(items.lines.size(), 6u);
    EXPECT_EQ(items.lines[0].width, 2);
    // The root: bar, long stroke, end tick, short stroke, lead.
    EXPECT_EQ(items.lines[1].x1, 20);
    EXPECT_EQ(items.lines[2].x2, 16);
    EXPECT_EQ(items.lines[2].y2, 40);
    EXPECT_EQ(items.lines[5].x2, 12);
    EXPECT_EQ(items.unread, "");
}

TEST(DisplayLanguage, FigureLabelStyles) {
    FigureLabelStyle style = readFigureLabel("111Reihenschaltung");
    EXPECT_TRUE(style.bold);
    EXPECT_EQ(style.colour, FigureColour::Olive);
    EXPECT_EQ(style.height, 18);
    EXPECT_EQ(style.text, "Reihenschaltung");
    style = readFigureLabel("121A");
    EXPECT_EQ(style.colour, FigureColour::White);
    style = readFigureLabel("010  Rg  ");
    EXPECT_FALSE(style.bold);
    EXPECT_EQ(style.height, 15);
    EXPECT_EQ(style.text, "  Rg  ");
    style = readFigureLabel("014w");
    EXPECT_EQ(style.text, "ω");
    style = readFigureLabel("113\xC3\xB0");
    EXPECT_EQ(style.height, 30);
    EXPECT_EQ(style.text, "⇨");
    // Lower-case Greek letters are read in every notation; capitals and digits only here.
    EXPECT_EQ(symbolFontToUnicode('W'), "Ω");
    EXPECT_EQ(symbolFontToUnicode('2'), "2");
}

TEST(CircuitFigures, EveryFormulaHasItsTitledFigureInsideTheArea) {
    for (const FormulaVariant& formula : formulaVariants()) {
        const CircuitFigure figure =
            circuitFigure({formula.page, formula.formula, formula.variant, 1});
        ASSERT_FALSE(figure.labels.empty());
        EXPECT_EQ(figure.labels.front().text, "111" + std::string(formula.title));
        EXPECT_GE(figure.lines.size(), 3u);
        for (const FigureLine& l : figure.lines)
            EXPECT_TRUE(l.x1 >= 0 && l.x2 <= kFigureWidth && l.y1 >= 0 && l.y2 <= kFigureHeight);
        for (const FigureLabel& label : figure.labels)
            EXPECT_TRUE(label.x >= 0 && label.x <= 255 && label.y + 20 <= kFigureHeight)
                << label.text;
    }
}

}  // namespace
}  // namespace volmira
