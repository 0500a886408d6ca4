// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars_view/vars_view.h"

#include "vars/edit_group.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "functions/func_catalogue.h"
#include "launchers.h"
#include "vars/document_title.h"
#include "vars_view/vars_column_fitter.h"
#include "vars_view/vars_formula_edit.h"
#include "vars_view/vars_model.h"
#include "vars_view/vars_role_icons.h"
#include "vars_view/vars_view_rules.h"

namespace quillix {

namespace {

// The statistical functions the pop-up menu applies to the selected
// variables: the catalogue's names in the menu's own letter case.
constexpr std::string_view kStatisticalCaptions[] = {
    "AVG", "Sum", "Min", "Max", "Norm", "StdDev", "StdDevP", "VAR", "VARP", "VART",
};

QString Caption(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kRoleColumnWidth = 22;
constexpr int kValueColumnWidth = 120;

}  // namespace

Tfra_VarsView::Tfra_VarsView(QWidget* parent) : QFrame(parent) {
    title_ = new QLabel(QStringLiteral("New"), this);
    title_->setAccessibleName(title_->text());
    title_->setAccessibleDescription(QStringLiteral("Program name; * marks unsaved changes"));

    model_ = new TVarsModel(this);
    list_ = new QTableView(this);
    list_->setAccessibleName(QStringLiteral("Variables"));
    list_->setModel(model_);
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    list_->setFont(font);
    // The selection stays visible while another control has the focus.
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    list_->setPalette(palette);
    list_->verticalHeader()->hide();
    // Fixed row heights: nothing is measured per row, however many there are.
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
    QHeaderView* header = list_->horizontalHeader();
    header->setMinimumSectionSize(kRoleColumnWidth);
    header->setSectionResizeMode(TVarsModel::kRoleColumn, QHeaderView::Fixed);
    header->resizeSection(TVarsModel::kRoleColumn, kRoleColumnWidth);
    header->resizeSection(TVarsModel::kValueColumn, kValueColumnWidth);
    header->setHighlightSections(false);
    // A long value or formula keeps both ends in view; its hint shows it whole.
    list_->setTextElideMode(Qt::ElideMiddle);

    BuildCommands();
    columnFitter_ = new TVarsColumnFitter(list_);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(list_, 1);
    middle->addWidget(BuildToolColumn());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(title_);
    layout->addLayout(middle, 1);
    layout->addWidget(BuildBottomBar());

    // Tab order: the list, then the tool column top to bottom, then the bar.
    QWidget* previous = list_;
    for (const auto& [button, action] : buttons_) {
        setTabOrder(previous, button);
        previous = button;
    }

    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!inCommand_) UpdateEnabled();
    });
    connect(list_, &QAbstractItemView::doubleClicked, this, [this] { InsertSelected(); });
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        UpdateEnabled();
        menu_->popup(list_->viewport()->mapToGlobal(pos));
    });

    listener_.OnChange = [this](std::uint8_t action, int index, TCalcValueWarper*,
                                const std::string&) { OnVarsChanged(action, index); };
    VarsViewIntf = this;
    UpdateEnabled();
}

Tfra_VarsView::~Tfra_VarsView() {
    if (VarsViewIntf == this) VarsViewIntf = nullptr;
    DetachFromVars();
    model_->SetVars(nullptr);
}

QAction* Tfra_VarsView::AddAction(QMenu* menu, const QString& caption,
                                  std::function<void()> command) {
    QAction* action = menu->addAction(caption);
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

void Tfra_VarsView::Hold(TVarsCommand command, QAction* action) {
    actions_[static_cast<std::size_t>(command)] = action;
}

void Tfra_VarsView::BuildCommands() {
    using C = TVarsCommand;
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("varsMenu"));
    Hold(C::Up, AddAction(menu_, QStringLiteral("&Up"), [this] { MoveSelectedUp(); }));
    Hold(C::Down, AddAction(menu_, QStringLiteral("Dow&n"), [this] { MoveSelectedDown(); }));
    Hold(C::CopyValue, AddAction(menu_, QStringLiteral("Copy value to clipboard"),
                                 [this] { CopySelectedValue(); }));
    QAction* editFormula =
        AddAction(menu_, QStringLiteral("Edit formula..."), [this] { EditFormula(); });
    editFormula->setShortcut(QKeySequence(Qt::Key_F2));
    editFormula->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    // The menu is hidden most of the time: the view carries the key.
    addAction(editFormula);
    Hold(C::EditFormula, editFormula);
    menu_->addSeparator();
    QMenu* types = menu_->addMenu(QStringLiteral("Set Value Type"));
    Hold(C::SetType, types->menuAction());
    const std::pair<C, std::uint8_t> roles[] = {
        {C::SetNormal, wtNormal}, {C::SetInput, wtInput}, {C::SetOutput, wtOutput}};
    for (const auto& [command, role] : roles)
        Hold(command, AddAction(types, Caption(RoleCaption(role)),
                                [this, role = role] { SetSelectedType(role); }));
    Hold(C::Delete, AddAction(menu_, QStringLiteral("Delete"), [this] { DeleteSelected(); }));
    Hold(C::Clear, AddAction(menu_, QStringLiteral("Clear"), [this] { ClearAll(); }));
    menu_->addSeparator();
    Hold(C::CreateFunction,
         AddAction(menu_, QStringLiteral("Create function"), [this] { CreateFunction(); }));
    AddAction(menu_, QStringLiteral("Goal Seek..."), [this] {
        GoalSeek();
    })->setObjectName(QStringLiteral("actGoalSeek"));
    menu_->addSeparator();
    QMenu* statistical = menu_->addMenu(QStringLiteral("Statistical"));
    Hold(C::Statistical, statistical->menuAction());
    for (const std::string_view caption : kStatisticalCaptions) {
        const int funcID = FindFuncByName(caption)->FuncID;
        statisticalActions_.push_back(
            AddAction(statistical, Caption(caption), [this, funcID] { ApplyStatistical(funcID); }));
    }
    menu_->addSeparator();
    Hold(C::Properties,
         AddAction(menu_, QStringLiteral("Properties"), [this] { ShowProperties(); }));
    Hold(C::ProgramProperties, AddAction(menu_, QStringLiteral("Program Properties"),
                                         [this] { ShowProgramProperties(); }));
}

QToolButton* Tfra_VarsView::AddButton(const QString& hint, TVarsCommand command,
                                      const QIcon& icon) {
    QAction* action = Action(command);
    auto* button = new QToolButton(this);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setText(hint);
    button->setIcon(icon);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    buttons_.emplace_back(button, action);
    return button;
}

QWidget* Tfra_VarsView::BuildToolColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    QStyle* style = this->style();
    const struct {
        const char* Hint;
        TVarsCommand Command;
        QIcon Icon;
    } buttons[] = {
        {"Up", TVarsCommand::Up, style->standardIcon(QStyle::SP_ArrowUp)},
        {"Down", TVarsCommand::Down, style->standardIcon(QStyle::SP_ArrowDown)},
        {"Delete", TVarsCommand::Delete, style->standardIcon(QStyle::SP_TrashIcon)},
        {"Set Input Type", TVarsCommand::SetInput, RoleIcon(wtInput)},
        {"Set Output Type", TVarsCommand::SetOutput, RoleIcon(wtOutput)},
        {"Remove Type", TVarsCommand::SetNormal, RemoveRoleIcon()},
    };
    for (const auto& entry : buttons) {
        QToolButton* button = AddButton(QString::fromLatin1(entry.Hint), entry.Command,
                                        FadedWhenDisabled(entry.Icon));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return column;
}

QWidget* Tfra_VarsView::BuildBottomBar() {
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto& [hint, command] :
         {std::pair{"Clear", TVarsCommand::Clear},
          std::pair{"Create Function", TVarsCommand::CreateFunction}}) {
        QToolButton* button = AddButton(QString::fromLatin1(hint), command, QIcon());
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return bar;
}

QAction* Tfra_VarsView::Action(TVarsCommand command) const {
    return actions_[static_cast<std::size_t>(command)];
}

// --- The set and the keypad -----------------------------------------------------

void Tfra_VarsView::SetVars(ICalcVars* vars) {
    if (vars != vars_) DetachFromVars();
    vars_ = vars;
    if (vars_) vars_->AddListener(&listener_);
    model_->SetVars(vars_);
    if (vars_) ShowProgramName();
    UpdateEnabled();
}

void Tfra_VarsView::SetKeypad(IKeypad* keypad) {
    keypad_ = keypad;
    UpdateEnabled();
}

void Tfra_VarsView::DetachFromVars() {
    // The program document clears its published interface when it is destroyed,
    // so this tells whether the set still exists (at shut-down it goes first).
    if (vars_ && CalcVarsIntf() == vars_) vars_->RemoveListener(&listener_);
}

void Tfra_VarsView::ShowProgramName() {
    if (!vars_) return;
    // The mark of unsaved changes; a screen reader reads the same text.
    const QString text =
        QString::fromStdString(DocumentLabelText(vars_->GetName(), vars_->GetModified()));
    title_->setText(text);
    title_->setAccessibleName(text);
}

void Tfra_VarsView::OnVarsChanged(std::uint8_t action, int index) {
    if (changedRows_) changedRows_->Note(action, index);
    model_->ApplyChange(action, index);
    // The title is the document's name, whatever the event: opened, saved under
    // a name, new, or its program renamed, moved or deleted in the library.
    ShowProgramName();
    if (!inCommand_) UpdateEnabled();
}

// --- Selection and enabled state --------------------------------------------------

std::vector<int> Tfra_VarsView::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void Tfra_VarsView::SelectOnly(int row) {
    list_->selectionModel()->setCurrentIndex(
        model_->index(row, TVarsModel::kNameColumn),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void Tfra_VarsView::SelectRows(const std::vector<int>& rows) {
    QItemSelectionModel* selection = list_->selectionModel();
    selection->clearSelection();
    if (rows.empty()) return;
    SelectOnly(rows.front());
    for (const int row : rows)
        selection->select(model_->index(row, TVarsModel::kNameColumn),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list_->scrollTo(model_->index(rows.front(), TVarsModel::kNameColumn));
}

void Tfra_VarsView::SelectChangedRows(const std::function<void()>& change) {
    changedRows_.emplace();
    change();
    const std::vector<int> rows = changedRows_->Rows(model_->rowCount());
    changedRows_.reset();
    SelectRows(rows);
    UpdateEnabled();
}

void Tfra_VarsView::AddHistoryCommands(QAction* undo, QAction* redo) {
    QAction* first = menu_->actions().value(0);
    menu_->insertAction(first, undo);
    menu_->insertAction(first, redo);
    menu_->insertSeparator(first);
}

void Tfra_VarsView::UpdateEnabled() {
    TVarsViewFacts facts;
    facts.RowCount = model_->rowCount();
    facts.SelectedRows = SelectedRows();
    facts.HasVars = vars_ != nullptr;
    facts.HasKeypad = keypad_ != nullptr;
    const TVarsCommandStates states = VarsCommandStates(facts);
    using C = TVarsCommand;
    const std::pair<C, bool> rules[] = {
        {C::Up, states.Up},
        {C::Down, states.Down},
        {C::CopyValue, states.CopyValue},
        {C::EditFormula, states.EditFormula},
        {C::SetType, states.SetType},
        {C::SetNormal, states.SetType},
        {C::SetInput, states.SetType},
        {C::SetOutput, states.SetType},
        {C::Delete, states.Delete},
        {C::Clear, states.Clear},
        {C::CreateFunction, states.CreateFunction},
        {C::Statistical, states.Statistical},
        {C::Properties, states.Properties},
        {C::ProgramProperties, states.ProgramProperties},
    };
    static_assert(sizeof rules / sizeof rules[0] == kVarsCommandCount, "a rule for each command");
    for (const auto& [command, enabled] : rules)
        Action(command)->setEnabled(enabled);
    for (QAction* action : statisticalActions_)
        action->setEnabled(states.Statistical);
    for (const auto& [button, action] : buttons_)
        button->setEnabled(action->isEnabled());
}

// --- Commands ---------------------------------------------------------------------

void Tfra_VarsView::MoveSelectedUp() {
    const std::vector<int> rows = SelectedRows();
    if (!vars_ || rows.size() != 1 || rows.front() <= 0) return;
    const int row = rows.front();
    if (vars_->MoveUp(row)) SelectOnly(row - 1);
}

void Tfra_VarsView::MoveSelectedDown() {
    const std::vector<int> rows = SelectedRows();
    if (!vars_ || rows.size() != 1 || rows.front() + 1 >= model_->rowCount()) return;
    const int row = rows.front();
    if (vars_->MoveUp(row + 1)) SelectOnly(row + 1);
}

void Tfra_VarsView::CopySelectedValue() {
    const std::vector<int> rows = SelectedRows();
    if (!vars_ || rows.size() != 1) return;
    const QString text =
        model_->index(rows.front(), TVarsModel::kValueColumn).data(Qt::DisplayRole).toString();
    QGuiApplication::clipboard()->setText(text);
}

void Tfra_VarsView::SetSelectedType(std::uint8_t type) {
    if (!vars_ || type > wtOutput) return;
    {
        QScopedValueRollback<bool> batch(inCommand_, true);
        const TEditGroup step(vars_, {});  // one undo step, however many rows
        for (int row : SelectedRows())
            vars_->SetValueTypeAt(row, type);
    }
    UpdateEnabled();
}

void Tfra_VarsView::DeleteSelected() {
    if (!vars_) return;
    {
        QScopedValueRollback<bool> batch(inCommand_, true);
        const TEditGroup step(vars_, {});  // one undo step, however many rows
        // The rows go from the first selected on; each delete moves the rest up.
        for (int index : DeletionIndices(SelectedRows())) {
            if (vars_->DeleteAt(index) < 0) break;
        }
    }
    UpdateEnabled();
}

void Tfra_VarsView::ClearAll() {
    if (vars_) vars_->Clear();
}

void Tfra_VarsView::InsertSelected() {
    const std::vector<int> rows = SelectedRows();
    if (!vars_ || !keypad_ || rows.size() != 1) return;
    const TCalcValueWarper* entry = model_->EntryAt(rows.front());
    if (!entry || !entry->Value) return;
    TCalcCommondData data;
    data.Value = entry->Value;
    keypad_->PressCommand(ccInsertReference, &data);
}

void Tfra_VarsView::ApplyStatistical(int funcID) {
    if (vars_ && keypad_) keypad_->ApplyFunction(funcID);
}

void Tfra_VarsView::ShowProperties() {
    const std::vector<int> rows = SelectedRows();
    if (!vars_ || rows.size() != 1) return;
    TCalcValueWarper* entry = model_->EntryAt(rows.front());
    if (!entry) return;
    const TKeypadModalScope modal(keypad_);
    RunVariableProperties(this, *entry, vars_);
}

void Tfra_VarsView::ShowProgramProperties() {
    if (!vars_) return;
    const TKeypadModalScope modal(keypad_);
    RunProgramProperties(this, *vars_);
}

void Tfra_VarsView::CreateFunction() {
    if (!vars_) return;
    const TKeypadModalScope modal(keypad_);
    RunCreateFunction(this, *vars_);
}

void Tfra_VarsView::GoalSeek() {
    if (!vars_) return;
    // The selected variable is offered first under "By changing" when it can serve.
    const std::vector<int> rows = SelectedRows();
    const TCalcValueWarper* entry = rows.size() == 1 ? model_->EntryAt(rows.front()) : nullptr;
    const TKeypadModalScope modal(keypad_);
    RunGoalSeekOn(this, *vars_, entry ? entry->GetName() : std::string());
}

void Tfra_VarsView::EditFormula() {
    const std::vector<int> rows = SelectedRows();
    if (!vars_ || rows.size() != 1) return;
    const TCalcValueWarper* entry = model_->EntryAt(rows.front());
    if (!entry || !entry->Value) return;
    const std::string name = entry->Value->Name();
    const TKeypadModalScope modal(keypad_);
    EditVariableFormula(this, *vars_, name);
}

bool Tfra_VarsView::GetSelectedValues(std::vector<ValueRef>& list) {
    const std::vector<int> rows = SelectedRows();
    if (!vars_ || rows.size() < 2) return false;
    list.clear();
    for (int row : rows) {
        const TCalcValueWarper* entry = model_->EntryAt(row);
        if (entry && entry->Value) list.push_back(entry->Value->MakeReference());
    }
    return true;
}

void Tfra_VarsView::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() != QEvent::StyleChange && event->type() != QEvent::PaletteChange) return;
    // Once the list has its new look, its colours follow its background.
    QTimer::singleShot(0, this, [this] {
        model_->SetDarkBase(list_->palette().color(QPalette::Base).lightness() < 128);
    });
}

}  // namespace quillix
