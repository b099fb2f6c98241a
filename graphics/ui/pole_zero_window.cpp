#include "graphics/ui/pole_zero_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/value_text.h"

namespace volmira {

namespace {

constexpr int kDigits = 6;
constexpr int kMarkSize = 5;  // half the width of a cross or circle
constexpr int kPlainNumber = 13;

QString text(int unit, double value) {
    return QString::fromStdString(formatValue(unit, kDigits, value));
}

QString sText(std::complex<double> s) {
    QString out = text(kPlainNumber, s.real());
    if (s.imag() != 0) out += QStringLiteral(" \u00B1 j") + text(kPlainNumber, std::fabs(s.imag()));
    return out;
}

}  // namespace

PoleZeroPlotView::PoleZeroPlotView(QWidget* parent) : QWidget(parent) {
    setObjectName("PolNullBild");
    setMinimumSize(360, 300);
}

void PoleZeroPlotView::setResult(const PolesAndZeros& result) {
    result_ = result;
    model_ = layoutPoleZeroPlot(result_, width(), height());
    update();
}

void PoleZeroPlotView::resizeEvent(QResizeEvent*) {
    model_ = layoutPoleZeroPlot(result_, width(), height());
}

void PoleZeroPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetrics metrics(painter.font());
    // Grid and axes.
    painter.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1, Qt::DotLine));
    for (const AxisTick& t : model_.realTicks)
        painter.drawLine(t.position, 0, t.position, height());
    for (const AxisTick& t : model_.imaginaryTicks)
        painter.drawLine(0, t.position, width(), t.position);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(0, model_.originY, width(), model_.originY);
    painter.drawLine(model_.originX, 0, model_.originX, height());
    for (const AxisTick& t : model_.realTicks) {
        if (t.position == model_.originX) continue;
        const QString label = QString::fromStdString(t.label);
        painter.drawText(t.position - metrics.horizontalAdvance(label) / 2,
                         model_.originY + metrics.ascent() + 3, label);
    }
    for (const AxisTick& t : model_.imaginaryTicks) {
        if (t.position == model_.originY) continue;
        const QString label = QString::fromStdString(t.label);
        painter.drawText(model_.originX + 4, t.position + metrics.ascent() / 2, label);
    }
    painter.drawText(width() - metrics.horizontalAdvance(QStringLiteral("Re  1/s")) - 4,
                     model_.originY - 4, QStringLiteral("Re  1/s"));
    painter.drawText(model_.originX + 4, metrics.ascent() + 2, QStringLiteral("Im  1/s"));
    // Poles as crosses, zeros as circles; a cancelled one in grey.
    for (const PoleZeroMark& m : model_.marks) {
        painter.setPen(QPen(
            m.cancelled ? QColor(Qt::gray) : (m.pole ? QColor(Qt::red) : QColor(Qt::blue)), 2));
        painter.setBrush(Qt::NoBrush);
        if (m.pole) {
            painter.drawLine(m.x - kMarkSize, m.y - kMarkSize, m.x + kMarkSize, m.y + kMarkSize);
            painter.drawLine(m.x - kMarkSize, m.y + kMarkSize, m.x + kMarkSize, m.y - kMarkSize);
        } else {
            painter.drawEllipse(QPoint(m.x, m.y), kMarkSize, kMarkSize);
        }
    }
}

PoleZeroWindow::PoleZeroWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("PolNullFenster");
    setWindowTitle(QStringLiteral("Pol-/Nullstellen"));
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    auto* choice = new QHBoxLayout;
    voltageChoice_ = new QRadioButton(QStringLiteral("Ue \u2192 Spannung"), this);
    voltageChoice_->setObjectName("PolNullSpannung");
    voltageChoice_->setChecked(true);
    currentChoice_ = new QRadioButton(QStringLiteral("Ue \u2192 Strom"), this);
    currentChoice_->setObjectName("PolNullStrom");
    choice->addWidget(title_, 1);
    choice->addWidget(voltageChoice_);
    choice->addWidget(currentChoice_);
    plot_ = new PoleZeroPlotView(this);
    table_ = new QTableWidget(0, 6, this);
    table_->setObjectName("PolNullListe");
    table_->setHorizontalHeaderLabels({QStringLiteral("Art"), QStringLiteral("s in 1/s"),
                                       QStringLiteral("Frequenz"), QStringLiteral("D\u00E4mpfung"),
                                       QStringLiteral("G\u00FCte Q"), QString()});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    layout->addLayout(choice);
    layout->addWidget(plot_, 3);
    layout->addWidget(table_, 2);
    layout->addWidget(note_);
    connect(voltageChoice_, &QRadioButton::toggled, this, [this] { showChosen(); });
    resize(560, 640);
}

void PoleZeroWindow::showBranch(const Network& network, int branch) {
    branch_ = branch;
    voltage_ = polesAndZeros(network, branch, TransferOutput::Voltage);
    current_ = polesAndZeros(network, branch, TransferOutput::Current);
    showChosen();
}

void PoleZeroWindow::showChosen() {
    const PolesAndZeros& result = voltageChoice_->isChecked() ? voltage_ : current_;
    title_->setText(QStringLiteral("Zweig %1").arg(branch_));
    plot_->setResult(result);
    table_->setRowCount(0);
    bool cancels = false;
    auto addRows = [&](const std::vector<Singularity>& all, const QString& kind) {
        for (const Singularity& x : listedOnce(all)) {
            const NaturalMode mode = naturalMode(x.s);
            const int r = table_->rowCount();
            table_->insertRow(r);
            table_->setItem(r, 0, new QTableWidgetItem(kind));
            table_->setItem(r, 1, new QTableWidgetItem(sText(x.s)));
            table_->setItem(r, 2, new QTableWidgetItem(text(kUnitHertz, mode.frequency)));
            table_->setItem(r, 3,
                            new QTableWidgetItem(mode.hasDamping ? text(kPlainNumber, mode.damping)
                                                                 : QStringLiteral("\u2014")));
            table_->setItem(r, 4,
                            new QTableWidgetItem(mode.hasQuality ? text(kPlainNumber, mode.quality)
                                                                 : QStringLiteral("\u2014")));
            table_->setItem(
                r, 5,
                new QTableWidgetItem(x.cancelled ? QStringLiteral("k\u00FCrzt sich") : QString()));
            cancels = cancels || x.cancelled;
        }
    };
    addRows(result.poles, QStringLiteral("Pol"));
    addRows(result.zeros, QStringLiteral("Nullstelle"));
    if (!result.ok())
        note_->setText(QString::fromStdString(result.refusal));
    else if (cancels)
        note_->setText(
            QStringLiteral("Grau: ein Pol und eine Nullstelle an derselben Stelle k\u00FCrzen "
                           "sich; die Eigenschwingung "
                           "erscheint in dieser \u00DCbertragungsfunktion nicht."));
    else
        note_->setText(result.poles.empty() && result.zeros.empty()
                           ? QStringLiteral("Keine Pole und Nullstellen: die \u00DCbertragung ist "
                                            "frequenzunabh\u00E4ngig.")
                           : QString());
}

}  // namespace volmira
