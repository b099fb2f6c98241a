#pragma once
// The curve tools in the tool bar `Mauspal2` of the graphic mode: stretch x2, the ripple zoom,
// the extreme search, the image memory, storing and recalling curve values, centring the
// scroll position; and the large view, whose button stays in the readout row.
#include <QObject>
#include <memory>
#include <optional>

#include "graphics/curve_memory.h"
#include "graphics/ui/large_view.h"

class QToolButton;

namespace volmira {

class CurveOverlay;
enum class ToolGlyph;
class GraphicPanel;
struct GraphicState;
struct InputFields;

class CurveToolBar : public QObject {
    Q_OBJECT
  public:
    CurveToolBar(GraphicPanel& panel, GraphicState& state, InputFields& fields);
    ~CurveToolBar() override;

    LargeView& largeView() { return largeView_; }
    // Leaving the graphic mode ends the large view.
    void modeLeft();

  public slots:
    void MalZweiClick();
    void ExtremMaxClick();
    void LupeClick();
    void EinbrennClick(bool down);
    void EinSpeiClick();
    void AusSpeiClick(bool down);
    void ZentrierClick();
    void GrossbildClick(bool down);

  private:
    QToolButton* addTool(const char* name, const QString& hint, std::optional<ToolGlyph> glyph,
                         bool checkable);
    // After every redraw of the plot: the memories over it, the stored curve within its range.
    void applyMemories();
    // OberBer and Aus1 of the y-scaling tool.
    QToolButton* scalingButton(const char* name) const;

    GraphicPanel& panel_;
    GraphicState& state_;
    InputFields& fields_;
    LargeView largeView_;
    CurveOverlay* overlay_;
    QToolButton* imageButton_;   // Einbrenn
    QToolButton* recallButton_;  // AusSpei
    QToolButton* largeButton_;   // Grossbild
    ImageMemory image_{};
    std::unique_ptr<CurveMemory> memory_;
    int extremeCursor_ = 0;
    bool includingMemory_ = false;
};

}  // namespace volmira
