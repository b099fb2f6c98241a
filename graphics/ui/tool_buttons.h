#pragma once
// The graphic mode's tool buttons: small pictures that name themselves in their tool tips, so
// that the whole row of tools fits above the plot.
#include <QIcon>
#include <optional>

class QToolButton;
class QWidget;

namespace volmira {

enum class ToolGlyph {
    YScaling,         // OberBer
    YScalingOff,      // Aus1
    Export,           // KurvenExport
    Ripple,           // ExtremMax
    Search,           // Lupe
    Image,            // Einbrenn
    Store,            // EinSpei
    Recall,           // AusSpei
    Centre,           // Zentrier
    Characteristics,  // Kennwerte
    PolesZeros,       // PolNull
};

QIcon toolIcon(ToolGlyph glyph);
// A tool button named `name` with the caption as its text and tool tip, added to the row of
// `bar` before the stretch that closes it; with a glyph it shows the picture alone.
QToolButton* addToolButton(QWidget* bar, const char* name, const QString& caption,
                           std::optional<ToolGlyph> glyph);

}  // namespace volmira
