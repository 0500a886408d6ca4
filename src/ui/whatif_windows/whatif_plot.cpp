// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif_windows/whatif_plot.h"

#include <QBuffer>
#include <QChart>
#include <QKeyEvent>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <memory>

#include "common/atomic_file.h"
#include "common/number_text.h"

namespace quillix {

namespace {

// Room above and below the lines, as a share of their span.
constexpr long double kLineMargin = 0.05L;
// One notch of the wheel zooms by this factor.
constexpr double kWheelZoom = 1.25;

// A point of the plot is a double: 15 digits, without the noise below them.
QString PlainNumber(qreal number) {
    return QString::fromStdString(FormatFloat15(number));
}

std::optional<TAxisRange> Union(std::optional<TAxisRange> a, std::optional<TAxisRange> b) {
    if (!a) return b;
    if (!b) return a;
    return TAxisRange{std::min(a->Low, b->Low), std::max(a->High, b->High)};
}

// Keeps the part of the axis at `at` (0 low end, 1 high end) in place and
// scales the span around it.
void ZoomAxis(QValueAxis* axis, double at, double factor) {
    if (!axis) return;
    const double low = axis->min();
    const double high = axis->max();
    const double pivot = low + at * (high - low);
    axis->setRange(pivot - (pivot - low) / factor, pivot + (high - pivot) / factor);
}

void ShiftAxis(QValueAxis* axis, double share) {
    if (!axis) return;
    const double span = axis->max() - axis->min();
    axis->setRange(axis->min() + share * span, axis->max() + share * span);
}

}  // namespace

TWhatIfPlot::TWhatIfPlot(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setAccessibleName(QStringLiteral("Plot"));
    setFocusPolicy(Qt::StrongFocus);
    Clear();
}

void TWhatIfPlot::Clear() {
    // The view gives up its old chart without deleting it.
    const std::unique_ptr<QChart> old(chart());
    auto* chart = new QChart;
    chart->setBackgroundBrush(palette().color(QPalette::Base));
    chart->setTitleBrush(palette().color(QPalette::Text));
    chart->legend()->setLabelColor(palette().color(QPalette::Text));
    chart->legend()->setAlignment(Qt::AlignBottom);
    setChart(chart);
    x_ = y_ = y2_ = nullptr;
    xName_.clear();
}

QValueAxis* TWhatIfPlot::NewAxis(const QString& title, Qt::Alignment side) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.6g"));
    axis->setTitleBrush(palette().color(QPalette::Text));
    axis->setLabelsColor(palette().color(QPalette::Text));
    axis->setGridLineColor(palette().color(QPalette::Mid));
    chart()->addAxis(axis, side);
    return axis;
}

void TWhatIfPlot::ShowTable(const TWhatIfTable& table) {
    Clear();
    xName_ = QString::fromStdString(table.Input);
    const std::vector<bool> second = SecondAxisOutputs(table);
    QStringList names[2];
    std::optional<TAxisRange> ranges[2];
    for (std::size_t output = 0; output < table.Outputs.size(); ++output) {
        const int side = second[output] ? 1 : 0;
        names[side].append(QString::fromStdString(table.Outputs[output]));
        ranges[side] = Union(ranges[side], OutputRange(table, output));
    }
    x_ = NewAxis(xName_, Qt::AlignBottom);
    y_ = NewAxis(names[0].join(QStringLiteral(", ")), Qt::AlignLeft);
    if (!names[1].isEmpty()) y2_ = NewAxis(names[1].join(QStringLiteral(", ")), Qt::AlignRight);
    for (std::size_t output = 0; output < table.Outputs.size(); ++output) {
        auto* line = new QLineSeries;
        line->setName(QString::fromStdString(table.Outputs[output]));
        // All at once: a million points appended one by one would redraw a million times.
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(table.Rows.size()));
        for (std::size_t row = 0; row < table.Rows.size(); ++row) {
            const TWhatIfCell& cell = table.Rows[row][output];
            if (cell.Kind == cvNumber && std::isfinite(cell.Number))
                points.append(QPointF(static_cast<qreal>(table.Points[row]),
                                      static_cast<qreal>(cell.Number)));
        }
        line->replace(points);
        chart()->addSeries(line);
        line->attachAxis(x_);
        line->attachAxis(second[output] ? y2_ : y_);
        connect(line, &QLineSeries::hovered, this, [this, line](const QPointF& point, bool on) {
            emit readOut(
                on ? QStringLiteral("%1 = %2   %3 = %4")
                         .arg(xName_, PlainNumber(point.x()), line->name(), PlainNumber(point.y()))
                   : QString());
        });
    }
    std::optional<TAxisRange> xRange;
    for (const long double point : table.Points)
        xRange = Union(xRange, TAxisRange{point, point});
    homeX_ = PaddedRange(xRange.value_or(TAxisRange{0, 1}), 0);
    homeY_ = PaddedRange(ranges[0].value_or(TAxisRange{0, 1}), kLineMargin);
    homeY2_.reset();
    if (y2_) homeY2_ = PaddedRange(ranges[1].value_or(TAxisRange{0, 1}), kLineMargin);
    ResetView();
}

void TWhatIfPlot::SetRanges(TAxisRange x, TAxisRange y, std::optional<TAxisRange> y2) {
    if (x_) x_->setRange(static_cast<qreal>(x.Low), static_cast<qreal>(x.High));
    if (y_) y_->setRange(static_cast<qreal>(y.Low), static_cast<qreal>(y.High));
    if (y2_ && y2) y2_->setRange(static_cast<qreal>(y2->Low), static_cast<qreal>(y2->High));
}

void TWhatIfPlot::ResetView() {
    SetRanges(homeX_, homeY_, homeY2_);
}

std::vector<QLineSeries*> TWhatIfPlot::Lines() const {
    std::vector<QLineSeries*> lines;
    for (QAbstractSeries* series : chart()->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) lines.push_back(line);
    }
    return lines;
}

void TWhatIfPlot::wheelEvent(QWheelEvent* event) {
    const QRectF area = chart()->plotArea();
    const int notches = event->angleDelta().y() / 120;
    if (!x_ || notches == 0 || area.isEmpty()) return QChartView::wheelEvent(event);
    const QPointF at = event->position();
    const double factor = std::pow(kWheelZoom, notches);
    const double atX = std::clamp((at.x() - area.left()) / area.width(), 0.0, 1.0);
    const double atY = std::clamp((area.bottom() - at.y()) / area.height(), 0.0, 1.0);
    Zoom(atX, atY, factor);
    event->accept();
}

void TWhatIfPlot::Zoom(double atX, double atY, double factor) {
    ZoomAxis(x_, atX, factor);
    ZoomAxis(y_, atY, factor);
    ZoomAxis(y2_, atY, factor);
}

void TWhatIfPlot::Pan(double shareX, double shareY) {
    ShiftAxis(x_, shareX);
    ShiftAxis(y_, shareY);
    ShiftAxis(y2_, shareY);
}

void TWhatIfPlot::keyPressEvent(QKeyEvent* event) {
    if (!x_) return QChartView::keyPressEvent(event);
    constexpr double kStep = 0.1;  // of the span in sight
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            Zoom(0.5, 0.5, kWheelZoom);
            break;
        case Qt::Key_Minus:
            Zoom(0.5, 0.5, 1 / kWheelZoom);
            break;
        case Qt::Key_Left:
            Pan(-kStep, 0);
            break;
        case Qt::Key_Right:
            Pan(kStep, 0);
            break;
        case Qt::Key_Up:
            Pan(0, kStep);
            break;
        case Qt::Key_Down:
            Pan(0, -kStep);
            break;
        case Qt::Key_Home:
            ResetView();
            break;
        default:
            return QChartView::keyPressEvent(event);
    }
    event->accept();
}

void TWhatIfPlot::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && x_) {
        dragging_ = true;
        lastDrag_ = event->position();
        event->accept();
        return;
    }
    QChartView::mousePressEvent(event);
}

void TWhatIfPlot::mouseMoveEvent(QMouseEvent* event) {
    const QRectF area = chart()->plotArea();
    if (dragging_ && !area.isEmpty()) {
        const QPointF moved = event->position() - lastDrag_;
        lastDrag_ = event->position();
        // The plot follows the mouse: dragging right shows smaller x.
        Pan(-moved.x() / area.width(), moved.y() / area.height());
        event->accept();
        return;
    }
    QChartView::mouseMoveEvent(event);
}

void TWhatIfPlot::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        event->accept();
        return;
    }
    QChartView::mouseReleaseEvent(event);
}

bool TWhatIfPlot::SaveImage(const QString& path, QString* error) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size());
        svg.setViewBox(rect());
        svg.setTitle(chart()->axes(Qt::Horizontal).isEmpty() ? QString() : xName_);
        QPainter painter(&svg);
        render(&painter);
    } else if (!grab().save(&buffer, "PNG")) {
        if (error) *error = QStringLiteral("The picture could not be made.");
        return false;
    }
    std::string reason;
    if (!WriteFileAtomically(path.toStdString(), buffer.data().toStdString(), &reason)) {
        if (error) *error = QString::fromStdString(reason);
        return false;
    }
    return true;
}

}  // namespace quillix
