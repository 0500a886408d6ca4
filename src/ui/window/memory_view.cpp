// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/memory_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "engine/engine_readback.h"
#include "launchers.h"

namespace quillix {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* SunkenBox(QWidget* parent, int pixelSize) {
    auto* box = new QLabel(parent);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixelSize);
    box->setFont(font);
    return box;
}

QLineEdit* ReadOnlyEdit(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setAccessibleName(name);
    return edit;
}

}  // namespace

TFra_MemoryView::TFra_MemoryView(QWidget* parent) : QFrame(parent) {
    list_ = new QTableWidget(0, 3, this);
    list_->setHorizontalHeaderLabels(
        {QStringLiteral("No"), QStringLiteral("Value"), QStringLiteral("Expression")});
    list_->setColumnWidth(0, 30);
    list_->setColumnWidth(1, 90);
    list_->setColumnWidth(2, 140);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAccessibleName(QStringLiteral("Stack"));

    pending_ = SunkenBox(this, 16);
    pending_->setAccessibleName(QStringLiteral("Pending operator"));
    pending_->setMinimumWidth(pending_->fontMetrics().horizontalAdvance(QStringLiteral("Xor")) + 8);
    pending_->setAlignment(Qt::AlignCenter);
    operators_ = SunkenBox(this, 13);
    operators_->setAccessibleName(QStringLiteral("Operator stack"));
    operators_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    dot_ = new QLabel(this);
    dot_->setFixedSize(12, 12);
    dot_->setAccessibleName(QStringLiteral("Typing a number"));
    x_ = ReadOnlyEdit(this, QStringLiteral("X"));
    x_->setText(QStringLiteral("0"));
    formula_ = ReadOnlyEdit(this, QStringLiteral("X formula"));

    auto* lower = new QGridLayout;
    auto* first = new QHBoxLayout;
    first->addWidget(pending_);
    first->addWidget(operators_, 1);
    lower->addLayout(first, 0, 0, 1, 3);
    lower->addWidget(dot_, 1, 0);
    auto* xLabel = new QLabel(QStringLiteral("X:"), this);
    xLabel->setBuddy(x_);
    lower->addWidget(xLabel, 1, 1);
    lower->addWidget(x_, 1, 2);
    auto* formulaLabel = new QLabel(QStringLiteral("X Exp:"), this);
    formulaLabel->setBuddy(formula_);
    lower->addWidget(formulaLabel, 2, 0, 1, 2);
    lower->addWidget(formula_, 2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(lower);
    entering_ = false;
    dot_->setStyleSheet(QStringLiteral("background: rgb(255,0,0); border-radius: 6px;"));

    list_->viewport()->installEventFilter(this);

    listener_.OnCommand = [this](std::uint8_t code, const TCalcCommondData*,
                                 const TCalcStack& stack, bool entering) {
        Update(code, stack, entering);
        previous_ = code;
    };
}

TFra_MemoryView::~TFra_MemoryView() {
    if (engine_) engine_->RemoveListener(&listener_);
}

void TFra_MemoryView::BindEngine(TCalcEngine& engine) {
    if (engine_) engine_->RemoveListener(&listener_);
    engine_ = &engine;
    engine.AddListener(&listener_);
    previous_ = ccNone;
    Update(ccNone, engine.Stack(), engine.IsEntering());
}

QString TFra_MemoryView::XText() const {
    return x_->text();
}
QString TFra_MemoryView::FormulaText() const {
    return formula_->text();
}
QString TFra_MemoryView::PendingText() const {
    return pending_->text();
}
QString TFra_MemoryView::OperatorsText() const {
    return operators_->text();
}

void TFra_MemoryView::Update(std::uint8_t code, const TCalcStack& stack, bool entering) {
    const TMemoryListing listing = MemoryListing(stack, entering);
    if (listing.HasX) {
        x_->setText(Text(listing.XValue));
        formula_->setText(Text(listing.XFormula));
        entering_ = entering;
        dot_->setStyleSheet(entering
                                ? QStringLiteral("background: rgb(0,128,0); border-radius: 6px;")
                                : QStringLiteral("background: rgb(255,0,0); border-radius: 6px;"));
    }
    pending_->setText(Text(listing.PendingText));
    operators_->setText(Text(listing.OpsText));
    if (MemoryListNeedsRebuild(code, previous_)) RebuildList(stack, entering);
}

int TFra_MemoryView::VisibleRows() {
    const int rowHeight = list_->verticalHeader()->defaultSectionSize();
    if (rowHeight <= 0) return 0;
    return list_->viewport()->height() / rowHeight;
}

bool TFra_MemoryView::eventFilter(QObject* watched, QEvent* event) {
    // Built while hidden, the list fitted no rows; shown or resized, it fits its
    // own. The rebuild waits for the resizing to settle: rows coming and going
    // move the scroll bars, which resize the list again.
    if (watched == list_->viewport() && event->type() == QEvent::Resize && engine_ &&
        !refitQueued_) {
        refitQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            refitQueued_ = false;
            if (engine_ && VisibleRows() != fittedRows_)
                RebuildList(engine_->Stack(), engine_->IsEntering());
        });
    }
    return QFrame::eventFilter(watched, event);
}

void TFra_MemoryView::RebuildList(const TCalcStack& stack, bool entering) {
    ++rebuilds_;
    fittedRows_ = VisibleRows();
    const TMemoryListing listing = MemoryListing(stack, entering);
    const int count = static_cast<int>(listing.Entries.size());
    const int rows = MemoryRowCount(VisibleRows(), count);
    list_->setUpdatesEnabled(false);
    list_->setRowCount(0);
    list_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const int depth = rows - 1 - row;  // X0, the top of the stack, at the bottom
        list_->setItem(row, 0, new QTableWidgetItem(QStringLiteral("X%1").arg(depth)));
        if (depth < count) {
            const TMemoryEntry& entry = listing.Entries[static_cast<std::size_t>(depth)];
            list_->setItem(row, 1, new QTableWidgetItem(Text(entry.Value)));
            list_->setItem(row, 2, new QTableWidgetItem(Text(entry.Formula)));
        }
    }
    list_->scrollToBottom();
    list_->setUpdatesEnabled(true);
}

TFrm_MemoryView::TFrm_MemoryView(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Memory View"));
    frame_ = new TFra_MemoryView(this);
    frame_->StackList()->horizontalHeader()->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(frame_);
    resize(300, 260);
}

void TFrm_MemoryView::BindEngine(TCalcEngine& engine) {
    frame_->BindEngine(engine);
}

void TFrm_MemoryView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QWidget* CreateMemoryView(QWidget* parent, TCalcEngine& engine) {
    auto* window = new TFrm_MemoryView(parent);
    window->BindEngine(engine);
    return window;
}

}  // namespace quillix
