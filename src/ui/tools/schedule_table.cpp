// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/schedule_table.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillix {

namespace {

// A schedule shows at least this many rows (a four-year depreciation whole,
// with one to spare) before its window needs scrolling.
constexpr int kRowsInSight = 5;

}  // namespace

TScheduleTable::TScheduleTable(const QStringList& columns, const QString& accessibleName,
                               QWidget* parent)
    : QWidget(parent) {
    table_ = new QTableWidget(0, static_cast<int>(columns.size()), this);
    table_->setHorizontalHeaderLabels(columns);
    // Every digit in sight: the columns take their widest text, the last the rest.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAccessibleName(accessibleName);
    copy_ = new QPushButton(QStringLiteral("Copy"), this);
    copy_->setEnabled(false);
    copy_->setAccessibleDescription(
        QStringLiteral("Copies the schedule as tab-separated text, ready for a spreadsheet"));
    connect(copy_, &QPushButton::clicked, this, &TScheduleTable::Copy);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    KeepRowsInSight();
}

void TScheduleTable::KeepRowsInSight() {
    table_->ensurePolished();
    const int rows = kRowsInSight * table_->verticalHeader()->defaultSectionSize();
    // A horizontal scroll bar may take a row's room at a narrow width.
    const int extras = table_->horizontalHeader()->sizeHint().height() +
                       table_->horizontalScrollBar()->sizeHint().height() +
                       2 * table_->frameWidth();
    table_->setMinimumHeight(rows + extras);
}

void TScheduleTable::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        KeepRowsInSight();
}

void TScheduleTable::Clear() {
    table_->setRowCount(0);
    SetCopyText({});
}

void TScheduleTable::AddRowTexts(const QStringList& cells) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    for (int column = 0; column < cells.size() && column < table_->columnCount(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        item->setTextAlignment(column == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, column, item);
    }
}

void TScheduleTable::SetCopyText(std::string text) {
    copyText_ = std::move(text);
    copy_->setEnabled(!copyText_.empty());
}

void TScheduleTable::Copy() {
    if (copyText_.empty()) return;
    QApplication::clipboard()->setText(QString::fromStdString(copyText_));
}

QString TScheduleTable::Cell(int row, int column) const {
    const QTableWidgetItem* item = table_->item(row, column);
    return item ? item->text() : QString();
}

}  // namespace quillix
