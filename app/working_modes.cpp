#include "app/working_modes.h"

#include <algorithm>

namespace volmira {

bool WorkingModes::selectable(int mode) const {
    switch (mode) {
        case kModeDrawing:
            return true;
        case kModeComponents:
            return level_ > 1;
        case kModeSingleFrequency:
        case kModeGraphic:
            return level_ > 2;
        default:
            return false;
    }
}

ModeSwitch WorkingModes::enable(int level, int mode) {
    level_ = level;
    pressed_ = mode;
    return switchTo(mode);
}

ModeSwitch WorkingModes::chooseFromMenu(int tag) {
    if (!selectable(tag)) return {};
    reached_ = std::max(reached_, tag);
    return enable(reached_, tag);
}

ModeSwitch WorkingModes::chooseButton(int tag) {
    if (!selectable(tag)) return {};
    pressed_ = tag;
    reached_ = std::max(reached_, tag);
    const bool allowed = tag == kModeDrawing || (tag == kModeComponents && reached_ > 1) ||
                         (tag == kModeSingleFrequency && reached_ > 2) ||
                         (tag == kModeGraphic && reached_ >= 4);
    return allowed ? switchTo(tag) : ModeSwitch{};
}

ModeSwitch WorkingModes::newNetwork() {
    reached_ = 1;
    return enable(1, kModeDrawing);
}

bool WorkingModes::drawingChanged() {
    if (working_ != kModeDrawing || reached_ < 2) return false;
    enable(1, kModeDrawing);
    return true;
}

void WorkingModes::withdrawResultModes() {
    if (working_ == kModeDrawing) level_ = 1;
}

ModeSwitch WorkingModes::confirmValues(bool wereConfirmed) {
    valuesUnchanged_ = true;
    if (working_ != kModeGraphic) return enable(kModeGraphic, kModeSingleFrequency);
    if (!wereConfirmed) return enable(kModeGraphic, kModeGraphic);
    return {};
}

ModeSwitch WorkingModes::switchTo(int m) {
    ModeSwitch s;
    if (m == working_ || m < kModeDrawing || m > kModeGraphic) return s;
    const int o = working_;
    s.happened = true;
    s.from = o;
    s.to = m;
    s.layoutDrawingArea = m < kModeGraphic;
    if (o == kModeGraphic) {
        s.leaveGraphic = true;
        s.repaintDrawing = true;
        s.calculate = m == kModeSingleFrequency;
        s.rebuildValueList = m == kModeComponents;
        s.refreshHelp = true;
    } else if (m == kModeGraphic) {
        s.enterGraphic = true;
        s.refreshHelp = true;
    }
    if (o == kModeSingleFrequency && m == kModeComponents) {
        s.repaintDrawing = true;
        s.rebuildValueList = true;
    }
    if (o == kModeComponents && m == kModeDrawing) s.removeComponentMarks = true;
    if (o == kModeSingleFrequency && m == kModeDrawing) s.repaintDrawing = true;
    if (o == kModeDrawing && m == kModeComponents) s.rebuildValueList = true;
    if (o == kModeDrawing && m == kModeSingleFrequency) s.calculate = true;
    if (o == kModeComponents && m == kModeSingleFrequency && !valuesUnchanged_) {
        s.removeComponentMarks = true;
        s.calculate = true;
    }
    // The component mark goes with the repaint; the branch mark and the source come back.
    s.redrawMarks = o == kModeComponents && m == kModeSingleFrequency && valuesUnchanged_;
    s.resetDrawingTool = o == kModeDrawing;
    working_ = m;
    return s;
}

}  // namespace volmira
