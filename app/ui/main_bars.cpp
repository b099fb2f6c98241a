#include "app/ui/main_bars.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/tgrf.h"
#include "app/workspace.h"
#include "schematic/ui/editor_controller.h"
#include "schematic/ui/macro_panel.h"

namespace volmira {

namespace {

struct ModeButtonText {
    const char* menu;
    const char* first;
    const char* second;
    Qt::Key key;
};
constexpr ModeButtonText kModes[4] = {
    {"Zeichnen", "Zeichnen des", "Schaltbildes", Qt::Key_F5},
    {"Bauteileingabe", "Eingabe / Änderung", "der Bauteilwerte", Qt::Key_F6},
    {"Einzelfrequenzberechnung", "Berechnung des", "Netzwerks", Qt::Key_F7},
    {"Graphische Darstellung", "Frequenzkurve", "Ortskurve", Qt::Key_F8},
};

// Pictograms of the four modes: a drawn network, a value list, a measured branch, a curve.
QIcon modeIcon(int mode) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x20, 0x30, 0x48);
    const QColor accent(0x1E, 0x6F, 0xC8);
    p.setPen(QPen(ink, 1.6));
    switch (mode) {
        case 1:
            p.drawLine(3, 10, 9, 10);
            p.drawRect(QRectF(9, 6.5, 13, 7));
            p.drawLine(22, 10, 28, 10);
            p.drawLine(28, 10, 28, 26);
            p.drawLine(3, 10, 3, 26);
            p.drawLine(3, 26, 28, 26);
            p.setPen(QPen(accent, 2.2));
            p.drawLine(QPointF(12, 22), QPointF(21, 15));
            break;
        case 2: {
            p.drawRect(QRectF(4, 5, 24, 22));
            p.drawLine(QPointF(4, 12), QPointF(28, 12));
            p.drawLine(QPointF(4, 19.5), QPointF(28, 19.5));
            p.drawLine(QPointF(13, 5), QPointF(13, 27));
            QFont f("Arial");
            f.setPixelSize(7);
            f.setBold(true);
            p.setFont(f);
            p.setPen(accent);
            p.drawText(QRectF(4, 5, 9, 7), Qt::AlignCenter, "R");
            p.drawText(QRectF(4, 12, 9, 7.5), Qt::AlignCenter, "C");
            p.drawText(QRectF(4, 19.5, 9, 7.5), Qt::AlignCenter, "L");
            break;
        }
        case 3: {
            p.drawEllipse(QPointF(16, 16), 11, 11);
            QFont f("Arial");
            f.setPixelSize(12);
            f.setBold(true);
            p.setFont(f);
            p.setPen(accent);
            p.drawText(QRectF(5, 5, 22, 22), Qt::AlignCenter, "~");
            p.setPen(QPen(ink, 1.6));
            p.drawLine(QPointF(16, 5), QPointF(16, 1));
            p.drawLine(QPointF(16, 27), QPointF(16, 31));
            break;
        }
        default: {
            p.drawLine(5, 4, 5, 27);
            p.drawLine(5, 27, 29, 27);
            QPainterPath curve(QPointF(6, 22));
            curve.cubicTo(QPointF(12, 22), QPointF(14, 6), QPointF(18, 6));
            curve.cubicTo(QPointF(22, 6), QPointF(24, 20), QPointF(29, 21));
            p.setPen(QPen(accent, 2));
            p.drawPath(curve);
            break;
        }
    }
    return QIcon(pixmap);
}

// A question mark in a blue disc: the style's own help icon is missing in some themes.
QIcon helpIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1E, 0x6F, 0xC8));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    QFont f("Arial");
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, "?");
    return QIcon(pixmap);
}

QAction* addEntry(QMenu* menu, const char* name, const QString& text) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    return a;
}

}  // namespace

MainMenus buildMainMenus(Tgrf& window, EditorController& editor) {
    MainMenus menus;
    QMenuBar* bar = window.menuBar();
    bar->setObjectName("MainMenu");

    QMenu* file = bar->addMenu("&Datei");
    file->setObjectName("Datei");
    QObject::connect(addEntry(file, "NeuesNetzwerk1", "Neues Netzwerk"), &QAction::triggered,
                     &window, &Tgrf::NeuesNetzwerk1Click);
    QAction* open = addEntry(file, "nwOeffnen", "Netzwerk öffnen ...");
    open->setShortcut(QKeySequence::Open);
    QObject::connect(open, &QAction::triggered, &window, &Tgrf::SbOeffnen1Click);
    QAction* save = addEntry(file, "NwSpeichern", "Netzwerk speichern");
    save->setShortcut(QKeySequence::Save);
    QObject::connect(save, &QAction::triggered, &window, &Tgrf::NwSpeichernClick);
    QObject::connect(addEntry(file, "SpSpeichern1", "Netzwerk speichern unter ..."),
                     &QAction::triggered, &window, &Tgrf::SpSpeichern1Click);
    QObject::connect(addEntry(file, "NetwerkDateilschen1", "Netzwerk (Datei) löschen"),
                     &QAction::triggered, &window, &Tgrf::NetwerkDateilschen1Click);
    // Recent files show their name and folder; the tooltip holds the whole path.
    file->setToolTipsVisible(true);
    menus.recentSeparator = file->addSeparator();
    for (int k = 1; k <= 5; ++k) {
        QAction* a = file->addAction(QString());
        a->setObjectName(QStringLiteral("nwbn%1").arg(k));
        a->setData(k);
        QObject::connect(a, &QAction::triggered, &window, [&window, k] { window.NwName1Click(k); });
        menus.recent[std::size_t(k - 1)] = a;
    }
    file->addSeparator();
    QObject::connect(addEntry(file, "Drucken1", "Drucken ..."), &QAction::triggered, &window,
                     &Tgrf::DruckenClick);
    QObject::connect(addEntry(file, "Druckerinstallation1", "Druckereinrichtung"),
                     &QAction::triggered, &window, &Tgrf::Druckerinstallation1Click);
    file->addSeparator();
    QObject::connect(addEntry(file, "Programmbeenden1", "Programm beenden"), &QAction::triggered,
                     &window, &Tgrf::Programmbeenden1Click);

    menus.drawing = bar->addMenu("&Zeichnen");
    menus.drawing->setObjectName("Zeichnen");
    QAction* undo = addEntry(menus.drawing, "Rueckgaengig1", "Rückgängig");
    undo->setShortcut(QKeySequence::Undo);
    QObject::connect(undo, &QAction::triggered, &editor, &EditorController::UndoClick);
    QAction* redo = addEntry(menus.drawing, "Wiederholen1", "Wiederholen");
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    QObject::connect(redo, &QAction::triggered, &editor, &EditorController::RedoClick);
    QAction* endLine = addEntry(menus.drawing, "LinieBeenden1", "Linie beenden");
    endLine->setShortcut(QKeySequence(Qt::Key_Escape));
    QObject::connect(endLine, &QAction::triggered, &editor, &EditorController::endLineByKey);
    QAction* ground = addEntry(menus.drawing, "Massepunktesetzen1", "Massepunkte setzen");
    ground->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    QObject::connect(ground, &QAction::triggered, &editor, &EditorController::MasseSetzen);
    QObject::connect(addEntry(menus.drawing, "Zeichnungloeschen1", "Zeichnung löschen"),
                     &QAction::triggered, &window, &Tgrf::NeuesNetzwerk1Click);
    QObject::connect(addEntry(menus.drawing, "SchaltbildCheck1", "Schaltbild-Check"),
                     &QAction::triggered, &window, &Tgrf::SchaltbildCheck1Click);
    menus.drawing->addSeparator();
    editor.macroPanel()->attachMenuEntries(
        addEntry(menus.drawing, "MakroDeck", "Makro überdecken"),
        addEntry(menus.drawing, "MakroMisch", "Makro einmischen"));

    QMenu* modes = bar->addMenu("&Modus");
    modes->setObjectName("Modus");
    for (int m = 1; m <= 4; ++m) {
        QAction* a = modes->addAction(kModes[m - 1].menu);
        a->setObjectName(QStringLiteral("Mod%1").arg(m));
        a->setData(m);
        a->setShortcut(QKeySequence(kModes[m - 1].key));
        a->setShortcutContext(Qt::ApplicationShortcut);
        QObject::connect(a, &QAction::triggered, &window, [&window, m] { window.ModWahl(m); });
        menus.modes[std::size_t(m - 1)] = a;
    }

    menus.calculation = bar->addMenu("&Berechnung");
    menus.calculation->setObjectName("Berechnung");

    QMenu* extras = bar->addMenu("E&xtras");
    extras->setObjectName("Extras");
    QObject::connect(addEntry(extras, "FSammel", "Formelsammlung"), &QAction::triggered, &window,
                     &Tgrf::FSammelClick);
    QObject::connect(addEntry(extras, "Optionen1", "Optionen"), &QAction::triggered, &window,
                     &Tgrf::Optionen1Click);

    QMenu* help = bar->addMenu("&Hilfe");
    help->setObjectName("Hilfe1");
    QObject::connect(help, &QMenu::aboutToShow, &window, &Tgrf::Hilfe1Click);
    QAction* context = addEntry(help, "Arbeitsoberflche1", "Arbeitsoberfläche");
    // In the main window only: the composer's F1 opens the help beside the composer.
    context->setShortcut(QKeySequence(Qt::Key_F1));
    QObject::connect(context, &QAction::triggered, &window, &Tgrf::Hilfe2Click);
    menus.topics = addEntry(help, "HThem", "Einführung / Hilfethemen");
    QObject::connect(menus.topics, &QAction::triggered, &window, &Tgrf::Hilfethemen1Click);
    QObject::connect(addEntry(help, "HilfDruck1", "Hilfethemen ausdrucken"), &QAction::triggered,
                     &window, &Tgrf::HilfethemenAusdruckenClick);
    menus.demo = addEntry(help, "Demo", "Demo starten");

    QAction* calculator = bar->addAction("Rechner");
    calculator->setObjectName("Rechner");
    QObject::connect(calculator, &QAction::triggered, &window, &Tgrf::RechnerClick);
    return menus;
}

TopBar buildTopBar(Tgrf& window) {
    TopBar top;
    auto* bar = new QFrame;
    top.bar = bar;
    bar->setObjectName("Werkzeugleiste");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);

    auto toolButton = [bar](const char* name, const QIcon& icon, const char* hint) {
        auto* b = new QToolButton(bar);
        b->setObjectName(name);
        b->setIcon(icon);
        b->setIconSize(QSize(20, 20));
        b->setToolTip(hint);
        b->setAutoRaise(true);
        b->setFixedSize(30, 30);
        return b;
    };
    const QStyle* style = bar->style();
    QToolButton* open = toolButton("SbOeffnen1", style->standardIcon(QStyle::SP_DialogOpenButton),
                                   "Netzwerk öffnen");
    QToolButton* save = toolButton("SbSpeichern1", style->standardIcon(QStyle::SP_DialogSaveButton),
                                   "Netzwerk speichern");
    QObject::connect(open, &QToolButton::clicked, &window, &Tgrf::SbOeffnen1Click);
    QObject::connect(save, &QToolButton::clicked, &window, &Tgrf::NwSpeichernClick);
    QToolButton* print =
        toolButton("drucken", style->standardIcon(QStyle::SP_FileDialogContentsView), "Drucken");
    QObject::connect(print, &QToolButton::clicked, &window, &Tgrf::DruckenClick);
    QToolButton* help = toolButton("GetHilfe1", helpIcon(), "Hilfe aufrufen");
    QObject::connect(help, &QToolButton::clicked, &window, &Tgrf::Hilfe2Click);
    row->addWidget(open);
    row->addWidget(save);
    row->addWidget(print);
    row->addWidget(help);

    auto* line = new QFrame(bar);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addSpacing(4);
    row->addWidget(line);
    row->addSpacing(4);

    for (int k = 1; k <= 5; ++k) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QStringLiteral("NwName%1").arg(k));
        b->setProperty("tag", k);
        b->setAutoRaise(true);
        b->setFixedHeight(30);
        b->setMinimumWidth(60);
        b->setMaximumWidth(150);
        QObject::connect(b, &QToolButton::clicked, &window,
                         [&window, k] { window.NwName1Click(k); });
        top.recent[std::size_t(k - 1)] = b;
        row->addWidget(b);
    }
    row->addStretch(1);
    return top;
}

ModeBar buildModeBar(QWidget& window, QObject* pressFilter) {
    ModeBar modes;
    modes.panel = new QFrame;
    modes.panel->setObjectName("wkmodpan");
    modes.panel->setFrameShape(QFrame::StyledPanel);
    modes.panel->setFrameShadow(QFrame::Raised);
    auto* row = new QHBoxLayout(modes.panel);
    row->setContentsMargins(8, 3, 8, 3);
    row->setSpacing(0);

    QFont strong = window.font();
    strong.setBold(true);
    for (int m = 1; m <= 4; ++m) {
        auto* b = new QToolButton(modes.panel);
        b->setObjectName(QStringLiteral("wkmod%1").arg(m));
        b->setProperty("tag", m);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setIcon(modeIcon(m));
        b->setIconSize(QSize(32, 32));
        b->setFixedSize(42, 42);
        b->setToolTip(kModes[m - 1].menu);
        b->installEventFilter(pressFilter);
        modes.buttons[std::size_t(m - 1)] = b;

        auto* labels = new QVBoxLayout;
        labels->setSpacing(0);
        for (int i = 0; i < 2; ++i) {
            auto* l = new QLabel(i == 0 ? kModes[m - 1].first : kModes[m - 1].second, modes.panel);
            l->setObjectName(QStringLiteral("lm%1").arg(2 * m - 1 + i));
            l->setProperty("tag", m);
            if (i == 0) l->setFont(strong);
            l->installEventFilter(pressFilter);
            modes.labels[std::size_t(2 * m - 2 + i)] = l;
            labels->addWidget(l);
        }
        row->addWidget(b);
        row->addSpacing(6);
        row->addLayout(labels);
        if (m < 4) row->addStretch(1);
    }
    row->addStretch(1);
    return modes;
}

}  // namespace volmira
