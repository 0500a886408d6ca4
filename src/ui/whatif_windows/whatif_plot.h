// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TWhatIfPlot: the plot of a one-input what-if table, a line per output
// against the input (error cells leave their point out). The x axis and the y
// axis are titled with the variables' names; outputs orders of magnitude
// smaller than the largest go on a second y axis at the right (plot_axes.h
// decides). Pointing at a line reads out its x and y; the wheel zooms around
// the mouse, dragging pans, and ResetView shows the whole plot again. From the
// keyboard: + and - zoom, the arrow keys pan, Home resets.

#include <QChartView>
#include <QPointF>
#include <QString>
#include <vector>

#include "whatif/plot_axes.h"
#include "whatif/whatif_table.h"

class QLineSeries;
class QValueAxis;

namespace quillix {

class TWhatIfPlot : public QChartView {
    Q_OBJECT
  public:
    explicit TWhatIfPlot(QWidget* parent = nullptr);

    void ShowTable(const TWhatIfTable& table);
    void Clear();
    // The axes back to the whole plot.
    void ResetView();

    QValueAxis* XAxis() const { return x_; }
    QValueAxis* YAxis() const { return y_; }
    QValueAxis* SecondYAxis() const { return y2_; }  // null when no output needs it
    std::vector<QLineSeries*> Lines() const;

    // Writes the plot as a picture; the format follows the file's suffix
    // (".svg" a drawing, anything else PNG). False with *error set on failure.
    bool SaveImage(const QString& path, QString* error);

  signals:
    // The read-out of the point under the mouse, or "" when it left the lines.
    void readOut(const QString& text);

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QValueAxis* NewAxis(const QString& title, Qt::Alignment side);
    void SetRanges(TAxisRange x, TAxisRange y, std::optional<TAxisRange> y2);
    void Zoom(double atX, double atY, double factor);
    void Pan(double shareX, double shareY);

    QValueAxis* x_ = nullptr;
    QValueAxis* y_ = nullptr;
    QValueAxis* y2_ = nullptr;
    TAxisRange homeX_, homeY_;
    std::optional<TAxisRange> homeY2_;
    QString xName_;
    bool dragging_ = false;
    QPointF lastDrag_;
};

}  // namespace quillix
