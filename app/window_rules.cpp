#include "app/window_rules.h"

#include <algorithm>

namespace volmira {

WindowGeometry startupGeometry(ScreenSize screen) {
    if (screen.width < 1000) return {0, 0, 800, 570, false};
    return {0, 0, kDesignWidth, kDesignHeight, false};
}

WindowGeometry shownGeometry(ScreenSize screen, const WindowGeometry& startup) {
    if (screen.width < 1000) return {0, 0, 800, 571, true};
    if (screen.width > 1000 && screen.width < 1050) return {0, 0, 1024, 740, true};
    if (screen.width > 1050) {
        WindowGeometry g{(screen.width - 1024) / 2, (screen.height - 775) / 2, 1030, 745, false};
        if (g.top <= 0) g.top = 5;
        return g;
    }
    return {0, 0, startup.width, startup.height, false};
}

WindowGeometry fittedGeometry(WindowGeometry g, ScreenArea area, int frameWidth, int frameHeight) {
    if (area.width <= frameWidth || area.height <= frameHeight) return g;
    g.width = std::min(g.width, area.width - frameWidth);
    g.height = std::min(g.height, area.height - frameHeight);
    g.left = std::clamp(g.left, area.left, area.left + area.width - frameWidth - g.width);
    g.top = std::clamp(g.top, area.top, area.top + area.height - frameHeight - g.height);
    return g;
}

WindowGeometry clampedToScreen(WindowGeometry g, ScreenSize screen) {
    g.height = std::min(g.height, screen.height);
    g.width = std::min(g.width, screen.width);
    if (g.left + g.width > screen.width) g.left = 0;
    if (g.top + g.height > screen.height) g.top = 0;
    return g;
}

bool screenWarningNeeded(ScreenSize screen) {
    return screen.width < 1000;
}

std::string screenWarningText(ScreenSize screen) {
    return "Wichtiger Hinweis!\n"
           "Ihr Computer bzw. Monitor arbeitet mit einer Auflösung von " +
           std::to_string(screen.width) + "  x  " + std::to_string(screen.height) +
           "\n"
           "Leider ist das Programm damit nur eingeschränkt, d.h. unter Verwendung der "
           "Rollbalken, lauffähig.\n"
           "Die optimale Auflösung beträgt 1024 x 768.  Bitte stellen Sie, falls möglich, ihr "
           "System auf diese Auflösung um.";
}

ScrollBarsShown windowScrollBars(int width, int height) {
    return {width < 1020, height < 730};
}

}  // namespace volmira
