// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars_view.h"

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

#include "dialogs/dialog_launchers.h"
#include "vars_formula_edit.h"
#include "vars_model.h"
#include "vars_role_icons.h"
#include "vars_view_rules.h"

namespace quillix {

namespace {

// The statistical functions of the pop-up menu, by catalogue number.
struct TStatisticalEntry {
    const char* Caption;
    int FuncID;
};
constexpr TStatisticalEntry kStatistical[] = {
    {"AVG", 79},    {"Sum", 80},     {"Min", 81}, {"Max", 82},  {"Norm", 83},
    {"StdDev", 84}, {"StdDevP", 85}, {"VAR", 86}, {"VARP", 87}, {"VART", 88},
};

constexpr int kRoleColumnWidth = 22;
constexpr int kValueColumnWidth = 120;

// Hot keys off and the host told while one of the view's dialogs is open.
class TModalBracket {
  public:
    explicit TModalBracket(IKeypad* keypad) : keypad_(keypad) {
        if (!keypad_) return;
        keypad_->UnregisterHotkeys();
        keypad_->BeginModal();
    }
    ~TModalBracket() {
        if (!keypad_) return;
        keypad_->EndModal();
        keypad_->RegisterHotkeys(true);
    }
    TModalBracket(const TModalBracket&) = delete;
    TModalBracket& operator=(const TModalBracket&) = delete;

  private:
    IKeypad* keypad_;
};

}  // namespace

Tfra_VarsView::Tfra_VarsView(QWidget* parent) : QFrame(parent) {
    title_ = new QLabel(QStringLiteral("New"), this);
    title_->setAccessibleName(QStringLiteral("Program name"));

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
    header->setStretchLastSection(true);
    header->setHighlightSections(false);

    BuildCommands();

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
    actions_.insert(caption, action);
    return action;
}

void Tfra_VarsView::BuildCommands() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("varsMenu"));
    AddAction(menu_, QStringLiteral("&Up"), [this] { MoveSelectedUp(); });
    AddAction(menu_, QStringLiteral("Dow&n"), [this] { MoveSelectedDown(); });
    AddAction(menu_, QStringLiteral("Copy value to clipboard"), [this] { CopySelectedValue(); });
    QAction* editFormula =
        AddAction(menu_, QStringLiteral("Edit formula..."), [this] { EditFormula(); });
    editFormula->setShortcut(QKeySequence(Qt::Key_F2));
    editFormula->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    // The menu is hidden most of the time: the view carries the key.
    addAction(editFormula);
    menu_->addSeparator();
    QMenu* types = menu_->addMenu(QStringLiteral("Set Value Type"));
    AddAction(types, QStringLiteral("Normal"), [this] { SetSelectedType(wtNormal); });
    AddAction(types, QStringLiteral("Input"), [this] { SetSelectedType(wtInput); });
    AddAction(types, QStringLiteral("Output"), [this] { SetSelectedType(wtOutput); });
    actions_.insert(QStringLiteral("Set Value Type"), types->menuAction());
    AddAction(menu_, QStringLiteral("Delete"), [this] { DeleteSelected(); });
    AddAction(menu_, QStringLiteral("Clear"), [this] { ClearAll(); });
    menu_->addSeparator();
    AddAction(menu_, QStringLiteral("Create function"), [this] { CreateFunction(); });
    menu_->addSeparator();
    QMenu* statistical = menu_->addMenu(QStringLiteral("Statistical"));
    for (const TStatisticalEntry& entry : kStatistical) {
        const int funcID = entry.FuncID;
        AddAction(statistical, QString::fromLatin1(entry.Caption),
                  [this, funcID] { ApplyStatistical(funcID); });
    }
    actions_.insert(QStringLiteral("Statistical"), statistical->menuAction());
    menu_->addSeparator();
    AddAction(menu_, QStringLiteral("Properties"), [this] { ShowProperties(); });
    AddAction(menu_, QStringLiteral("Program Properties"), [this] { ShowProgramProperties(); });
}

QToolButton* Tfra_VarsView::AddButton(const QString& hint, const QString& caption,
                                      const QIcon& icon) {
    QAction* action = actions_.value(caption);
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
        const char* Caption;
        QIcon Icon;
    } buttons[] = {
        {"Up", "&Up", style->standardIcon(QStyle::SP_ArrowUp)},
        {"Down", "Dow&n", style->standardIcon(QStyle::SP_ArrowDown)},
        {"Delete", "Delete", style->standardIcon(QStyle::SP_TrashIcon)},
        {"Set Input Type", "Input", RoleIcon(wtInput)},
        {"Set Output Type", "Output", RoleIcon(wtOutput)},
        {"Remove Type", "Normal", RemoveRoleIcon()},
    };
    for (const auto& entry : buttons) {
        QToolButton* button =
            AddButton(QString::fromLatin1(entry.Hint), QString::fromLatin1(entry.Caption),
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
    for (const auto& [hint, caption] :
         {std::pair{"Clear", "Clear"}, std::pair{"Create Function", "Create function"}}) {
        QToolButton* button =
            AddButton(QString::fromLatin1(hint), QString::fromLatin1(caption), QIcon());
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return bar;
}

QAction* Tfra_VarsView::Action(const QString& caption) const {
    return actions_.value(caption, nullptr);
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
    title_->setText(QString::fromStdString(vars_->GetName()));
}

void Tfra_VarsView::OnVarsChanged(std::uint8_t action, int index) {
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

void Tfra_VarsView::UpdateEnabled() {
    TVarsViewFacts facts;
    facts.RowCount = model_->rowCount();
    facts.SelectedRows = SelectedRows();
    facts.HasVars = vars_ != nullptr;
    facts.HasKeypad = keypad_ != nullptr;
    facts.PropertiesDialog = DialogAvailable(TDialogKind::VariableProperties);
    facts.ProgramPropertiesDialog = DialogAvailable(TDialogKind::ProgramProperties);
    facts.CreateFunctionDialog = DialogAvailable(TDialogKind::CreateFunction);
    const TVarsCommandStates states = VarsCommandStates(facts);
    const std::pair<const char*, bool> rules[] = {
        {"&Up", states.Up},
        {"Dow&n", states.Down},
        {"Copy value to clipboard", states.CopyValue},
        {"Set Value Type", states.SetType},
        {"Normal", states.SetType},
        {"Input", states.SetType},
        {"Output", states.SetType},
        {"Delete", states.Delete},
        {"Clear", states.Clear},
        {"Create function", states.CreateFunction},
        {"Statistical", states.Statistical},
        {"Properties", states.Properties},
        {"Program Properties", states.ProgramProperties},
        {"Edit formula...", states.EditFormula},
    };
    for (const auto& [caption, enabled] : rules) {
        if (QAction* action = Action(QString::fromLatin1(caption))) action->setEnabled(enabled);
    }
    for (const TStatisticalEntry& entry : kStatistical) {
        Action(QString::fromLatin1(entry.Caption))->setEnabled(states.Statistical);
    }
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
        for (int row : SelectedRows())
            vars_->SetValueTypeAt(row, type);
    }
    UpdateEnabled();
}

void Tfra_VarsView::DeleteSelected() {
    if (!vars_) return;
    {
        QScopedValueRollback<bool> batch(inCommand_, true);
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
    if (!vars_ || rows.size() != 1 || !DialogAvailable(TDialogKind::VariableProperties)) return;
    TCalcValueWarper* entry = model_->EntryAt(rows.front());
    if (!entry) return;
    TModalBracket modal(keypad_);
    RunVariableProperties(this, *entry);
}

void Tfra_VarsView::ShowProgramProperties() {
    if (!vars_ || !DialogAvailable(TDialogKind::ProgramProperties)) return;
    TModalBracket modal(keypad_);
    RunProgramProperties(this, *vars_);
}

void Tfra_VarsView::CreateFunction() {
    if (!vars_ || !DialogAvailable(TDialogKind::CreateFunction)) return;
    TModalBracket modal(keypad_);
    RunCreateFunction(this, *vars_);
}

void Tfra_VarsView::EditFormula() {
    const std::vector<int> rows = SelectedRows();
    if (!vars_ || rows.size() != 1) return;
    const TCalcValueWarper* entry = model_->EntryAt(rows.front());
    if (!entry || !entry->Value) return;
    const std::string name = entry->Value->Name();
    TModalBracket modal(keypad_);
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
