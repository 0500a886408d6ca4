// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad/stack_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/calc_engine.h"

namespace quillix {

void TStackLevelsModel::SetLevels(std::vector<TStackLevel> levels, int rows) {
    beginResetModel();
    levels_ = std::move(levels);
    rows_ = std::max(rows, static_cast<int>(levels_.size()));
    endResetModel();
}

int TStackLevelsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int TStackLevelsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant TStackLevelsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    // The last row is Y, the one above it Z, and so on up.
    const int level = rows_ - 1 - index.row();
    const bool held = level < static_cast<int>(levels_.size());
    switch (role) {
        case Qt::DisplayRole:
            if (index.column() == 0) return QString::fromStdString(StackLevelLabel(level));
            return held ? QString::fromStdString(levels_[level].Value) : QStringLiteral("0");
        case Qt::ToolTipRole:
            return held ? QString::fromStdString(levels_[level].Formula) : QVariant();
        case Qt::TextAlignmentRole:
            return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                       : int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

TStackPanel::TStackPanel(const TCalcEngine& engine, TPress press, QWidget* parent)
    : QWidget(parent), engine_(engine), press_(std::move(press)), model_(this) {
    setObjectName(QStringLiteral("pn_Stack"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    levels_ = new QTableView(this);
    levels_->setObjectName(QStringLiteral("lv_StackLevels"));
    levels_->setAccessibleName(QStringLiteral("Stack levels"));
    levels_->setModel(&model_);
    levels_->horizontalHeader()->hide();
    levels_->verticalHeader()->hide();
    levels_->setShowGrid(false);
    levels_->setSelectionMode(QAbstractItemView::NoSelection);
    levels_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    levels_->setFocusPolicy(Qt::NoFocus);
    levels_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    levels_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    levels_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    levels_->horizontalHeader()->setStretchLastSection(true);
    levels_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    levels_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    const int frame = 2 * levels_->frameWidth();
    levels_->setMinimumHeight(kMinimumLevels * levels_->verticalHeader()->defaultSectionSize() +
                              frame);
    levels_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(levels_, 1);

    buttons_ = new QWidget(this);
    auto* row = new QHBoxLayout(buttons_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    AddCommandButton("bb_swapXY", QStringLiteral("x\u2194y"),
                     QStringLiteral("Swap X and Y (Ctrl+X)"), ccSwapXY);
    AddCommandButton("bb_rollDown", QStringLiteral("R\u2193"),
                     QStringLiteral("Roll the stack down: X to the bottom, Y to X (Page Down)"),
                     ccRollDown);
    AddCommandButton("bb_drop", QStringLiteral("Drop"),
                     QStringLiteral("Drop X; Y comes down (Ctrl+Backspace)"), ccDrop);
    AddCommandButton("bb_lastX", QStringLiteral("LastX"),
                     QStringLiteral("X as it was before the last operation (Shift+Enter)"),
                     ccLastX);
    layout->addWidget(buttons_);
    Refresh();
}

QToolButton* TStackPanel::AddCommandButton(const char* name, const QString& caption,
                                           const QString& hint, std::uint8_t code) {
    auto* button = new QToolButton(buttons_);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setAccessibleName(caption);
    button->setToolTip(hint);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    connect(button, &QToolButton::clicked, this, [this, code] { press_(code); });
    buttons_->layout()->addWidget(button);
    return button;
}

int TStackPanel::FittingRows() const {
    const int rowHeight = std::max(1, levels_->verticalHeader()->defaultSectionSize());
    return std::max(kMinimumLevels, levels_->viewport()->height() / rowHeight);
}

void TStackPanel::Refresh() {
    const bool shown = engine_.Mode() == kModeRPN && engine_.RPNStyle() == TRPNStyle::Stack;
    setVisible(shown);
    if (!shown) return;
    const int rows = FittingRows();
    model_.SetLevels(StackLevels(engine_.Stack(), rows), rows);
    // Y stays in view beside the display.
    levels_->scrollToBottom();
}

void TStackPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible() && FittingRows() != model_.rowCount()) Refresh();
}

}  // namespace quillix

#include "moc_stack_panel.cpp"
