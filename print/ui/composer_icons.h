#pragma once
// Pictograms of the composer's speed buttons.
#include <QIcon>

namespace volmira {

enum class ComposerIcon {
    Orientation,
    ClearSheet,
    Preview,
    Print,
    HandOver,
    PrinterSetup,
    Save,
    Load,
    Schematic,
    ComponentList,
    Curve,
    Locus,
};

QIcon composerIcon(ComposerIcon icon);

}  // namespace volmira
