#pragma once
// A main window as the program starts it, on a temporary program folder, with scripted dialogs
// and no pause after saving.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <memory>

#include "app/ui/scripted_dialogs.h"
#include "app/ui/tgrf.h"
#include "app/workspace.h"
#include "platform/failure_handling.h"
#include "schematic/network_file.h"
#include "schematic/symbol_list.h"
#include "schematic/text_file.h"
#include "schematic/ui/glyph_painter.h"
#include "support/test_drawings.h"
#include "support/test_support.h"

namespace volmira::test {

struct MainWindow {
    explicit MainWindow(ScreenSize screen = {1280, 1024})
        : dialogs(ScriptedDialogs::install()),
          workspace(std::make_unique<Workspace>()),
          window(std::make_unique<Tgrf>(*workspace)) {
        window->setSaveDelay(0);
        window->startupInitialisation(folder.path(), screen);
        window->NeuesNetzwerk1Click();
    }
    ~MainWindow() {
        window.reset();
        installDialogs(nullptr);
    }

    Tgrf& w() { return *window; }
    Workspace& ws() { return *workspace; }

    template <class T = QWidget>
    T* find(const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    // Writes a network file into the program folder and returns its path.
    std::filesystem::path writeNetwork(const std::string& name, const LineList& lines) {
        const auto path = folder.path() / name;
        writeTextLines(path, lines);
        return path;
    }

    // A copy of an example network opened, analysed and its values confirmed.
    bool openConfirmedExample(const std::string& name) {
        const auto path = folder.path() / name;
        std::filesystem::copy_file(sourceDir() / "examples" / name, path);
        return openConfirmed(path);
    }
    // A network file opened, analysed and its values confirmed.
    bool openConfirmed(const std::filesystem::path& path) {
        if (!window->loadNetwork(path)) return false;
        QTest::mouseClick(find<QPushButton>("analys"), Qt::LeftButton);
        QTest::mouseClick(find<QPushButton>("BtOK"), Qt::LeftButton);
        return true;
    }

    TempFolder folder;
    ScriptedDialogs& dialogs;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<Tgrf> window;
};

// Number of pixels of the image that are neither white nor the given background.
inline int inkPixels(const QImage& image, QRect area = {}) {
    const QRect r = area.isNull() ? image.rect() : area.intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += qGray(image.pixel(x, y)) < 128;
    return n;
}

inline int pixelsOf(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

// The middle pixel of a grid cell in the drawing image.
inline QPoint cellCentre(int column, int row) {
    return cellTopLeft(column, row) + QPoint(kPixelsPerCell / 2, kPixelsPerCell / 2);
}

// A pointer move as the window system delivers it, also to a window that is not active.
inline void hover(QWidget* widget, QPoint pixel) {
    QMouseEvent move(QEvent::MouseMove, pixel, widget->mapToGlobal(pixel), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace volmira::test

// Every window test runs under the program's own application object, whose notify() catches
// what escapes an event handler.
#define VOLMIRA_UITEST_MAIN(TestClass)               \
    int main(int argc, char** argv) {                \
        volmira::VolmiraApplication app(argc, argv); \
        app.setAttribute(Qt::AA_Use96Dpi, true);     \
        TestClass test;                              \
        return QTest::qExec(&test, argc, argv);      \
    }
