// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tape_dock.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QTimer>

#include "keypad/keypad_hotkeys.h"
#include "keypad_intf.h"
#include "tape/tape_keeper.h"
#include "tape/tape_recall.h"
#include "tape/tape_recorder.h"
#include "window/tape_model.h"

namespace quillix {
namespace {

// A pause after the last new line before the file is written, so that a run
// of calculations costs one write.
constexpr int kSaveDelayMs = 2000;
constexpr int kLineChars = 24;

void ToClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace

TTapeDock::TTapeDock(TCalcEngine& engine, IKeypad& keypad, ICalcVarsBase* vars, std::string path,
                     bool keep, QWidget* parent)
    : QDockWidget(QStringLiteral("Tape"), parent), keypad_(keypad), vars_(vars) {
    setObjectName(QStringLiteral("dk_Tape"));
    model_ = std::make_unique<TTapeModel>(tape_);
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("lv_Tape"));
    list_->setAccessibleName(QStringLiteral("Tape"));
    list_->setModel(model_.get());
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);        // a new line measures one row, not the list
    list_->setTextElideMode(Qt::ElideLeft);  // the value at the end stays in view
    // Room for a typical line ("(1,234.5+7)*2 = 2,483"); longer ones show their end.
    list_->setMinimumWidth(list_->fontMetrics().averageCharWidth() * kLineChars);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setProperty(kKeepsListKeysProperty, true);
    list_->installEventFilter(this);
    setWidget(list_);
    BuildLineMenu();
    connect(list_, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { InsertLine(index.row()); });
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        LineMenu(list_->indexAt(at).row())->popup(list_->viewport()->mapToGlobal(at));
    });

    saveTimer_ = new QTimer(this);
    saveTimer_->setSingleShot(true);
    saveTimer_->setInterval(kSaveDelayMs);
    connect(saveTimer_, &QTimer::timeout, this, &TTapeDock::SaveNow);
    keeper_ = std::make_unique<TTapeKeeper>(tape_, std::move(path));
    keeper_->Start(keep);
    list_->scrollToBottom();
    // Each new line: the newest in view, the file written after a pause.
    // Scrolling lays the list out: once after a run of lines, not per line.
    scrollTimer_ = new QTimer(this);
    scrollTimer_->setSingleShot(true);
    scrollTimer_->setInterval(0);
    connect(scrollTimer_, &QTimer::timeout, list_, &QListView::scrollToBottom);
    connect(model_.get(), &QAbstractItemModel::rowsInserted, this, [this] {
        scrollTimer_->start();
        saveTimer_->start();
    });
    connect(model_.get(), &QAbstractItemModel::modelReset, saveTimer_, qOverload<>(&QTimer::start));
    recorder_ = std::make_unique<TTapeRecorder>(engine, tape_);
}

TTapeDock::~TTapeDock() {
    recorder_.reset();
    SaveNow();
}

void TTapeDock::BuildLineMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("pm_tape"));
    const auto add = [this](std::vector<QAction*>& group, const QString& caption, auto run) {
        QAction* action = menu_->addAction(caption);
        connect(action, &QAction::triggered, this, run);
        group.push_back(action);
    };
    add(lineActions_, QStringLiteral("Insert"), [this] { InsertLine(menuRow_); });
    menu_->addSeparator();
    add(lineActions_, QStringLiteral("Copy Line"), [this] { CopyLine(menuRow_); });
    add(lineActions_, QStringLiteral("Copy Value"), [this] { CopyValue(menuRow_); });
    add(tapeActions_, QStringLiteral("Copy Whole Tape"), [this] { CopyAll(); });
    menu_->addSeparator();
    add(tapeActions_, QStringLiteral("Clear Tape"), [this] { ClearTape(); });
}

QMenu* TTapeDock::LineMenu(int row) {
    menuRow_ = row >= 0 && row < tape_.Count() ? row : -1;
    for (QAction* action : lineActions_)
        action->setEnabled(menuRow_ >= 0);
    for (QAction* action : tapeActions_)
        action->setEnabled(tape_.Count() > 0);
    return menu_;
}

void TTapeDock::InsertLine(int row) {
    if (row < 0 || row >= tape_.Count()) return;
    TCalcCommondData data;
    data.Value = TapeLineValue(tape_, row, vars_);
    keypad_.PressCommand(ccInsertReference, &data);
    // Enter is the keypad's again ("=" or Enter), not this list's.
    list_->clearFocus();
}

void TTapeDock::CopyLine(int row) const {
    if (row >= 0 && row < tape_.Count()) ToClipboard(TapeLineText(tape_.At(row)));
}

void TTapeDock::CopyValue(int row) const {
    if (row >= 0 && row < tape_.Count()) ToClipboard(tape_.At(row).Shown);
}

void TTapeDock::CopyAll() const {
    ToClipboard(TapeText(tape_));
}

void TTapeDock::ClearTape() {
    keeper_->ClearTape();
}

void TTapeDock::SetKeep(bool keep) {
    keeper_->SetKeep(keep);
    if (keep) saveTimer_->start();
}

void TTapeDock::SaveNow() {
    saveTimer_->stop();
    // A failure is in the diagnostic log; the next save tries again.
    if (keeper_->NeedsSave()) keeper_->Save();
}

bool TTapeDock::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            InsertLine(list_->currentIndex().row());
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

}  // namespace quillix

#include "moc_tape_dock.cpp"
