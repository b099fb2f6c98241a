#pragma once
// The main window's menus, its top bar (file buttons, recent networks) and
// its mode bar (the four mode buttons with their two-line labels).
#include <QAction>
#include <array>

class QFrame;
class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace volmira {

class EditorController;
class Tgrf;

struct MainMenus {
    std::array<QAction*, 4> modes{};   // `Mod1`..`Mod4`
    std::array<QAction*, 5> recent{};  // `nwbn1`..`nwbn5`
    QAction* recentSeparator = nullptr;
    QMenu* drawing = nullptr;      // `Zeichnen`, enabled in mode 1 only
    QMenu* calculation = nullptr;  // `Berechnung`, enabled in mode 3 only
    QAction* topics = nullptr;     // `HThem`, enabled in modes 1 to 3
    QAction* demo = nullptr;       // `Demo` in the menu `Hilfe`
};
MainMenus buildMainMenus(Tgrf& window, EditorController& editor);

struct TopBar {
    QWidget* bar = nullptr;
    std::array<QToolButton*, 5> recent{};  // `NwName1`..`NwName5`
};
TopBar buildTopBar(Tgrf& window);

struct ModeBar {
    QFrame* panel = nullptr;                // `wkmodpan`
    std::array<QToolButton*, 4> buttons{};  // `wkmod1`..`wkmod4`
    std::array<QLabel*, 8> labels{};        // `lm1`..`lm8`
};
// The buttons and labels choose their mode on the press; `pressFilter` receives the presses.
ModeBar buildModeBar(QWidget& window, QObject* pressFilter);

}  // namespace volmira
