// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's widgets: display band, button grid, function pad and the right
// column, laid out by layouts so that captions never clip at any scale. Widgets
// are created in reading order, which is also the Tab order.
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "engine/keypad_keys.h"
#include "functions/func_pad.h"
#include "keypad/formula_field.h"
#include "keypad/func_pad_buttons.h"
#include "keypad/keypad_buttons.h"
#include "keypad/keypad_frame.h"
#include "keypad/stack_panel.h"
#include "launchers.h"

namespace quillix {
namespace {

constexpr const char* kSkinAreaProperty = "skinArea";
constexpr const char* kSkinArea = "Keypad";
constexpr int kPadRows = 4;
constexpr int kPadCols = 5;
constexpr int kSpacing = 2;

// The hint filter of the main window and the context help read these.
void MarkKeypadPart(QWidget* widget, int helpContext) {
    widget->setProperty(kSkinAreaProperty, QString::fromLatin1(kSkinArea));
    widget->setProperty(kHelpContextProperty, helpContext);
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QString& accessibleName) {
    auto* label = new QLabel(text, parent);
    label->setAccessibleName(accessibleName);
    MarkKeypadPart(label, 0);
    return label;
}

}  // namespace

void Tfra_KeypadFW::BuildUi() {
    MarkKeypadPart(this, kKeypadHelpContext);
    setAccessibleName(QStringLiteral("Keypad"));
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(kSpacing, kSpacing, kSpacing, kSpacing);
    outer->setSpacing(kSpacing);
    auto* client = new QVBoxLayout;
    client->setSpacing(kSpacing);
    // In Stack-style RPN the levels over X take a share of a taller window.
    stackPanel_ = new TStackPanel(
        *engine_, [this](std::uint8_t code) { PressCommand(code, nullptr); }, this);
    MarkKeypadPart(stackPanel_, 0);
    for (QWidget* part : stackPanel_->findChildren<QWidget*>())
        MarkKeypadPart(part, 0);
    client->addWidget(stackPanel_, 1);
    client->addWidget(BuildTopBand());
    client->addWidget(BuildGrid(), 1);
    client->addWidget(BuildFunctionPad());
    outer->addLayout(client, 1);
    outer->addWidget(BuildRightColumn());
    BuildFunctionsMenu();
    BuildProgramsMenu();
    addVariableMenu_ = new QMenu(this);
    replaceVariableMenu_ = new QMenu(this);
    variablesMenu_ = new QMenu(this);
    BuildModeMenu();
}

QWidget* Tfra_KeypadFW::BuildTopBand() {
    auto* band = new QWidget(this);
    auto* layout = new QGridLayout(band);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSpacing);

    display_ = new QLineEdit(QStringLiteral("0"), band);
    display_->setObjectName(QStringLiteral("ed_Display"));
    display_->setReadOnly(true);
    // Reachable by Tab for a screen reader, but never by a click: a read-only
    // edit shows no caret and typing goes to the hot keys.
    display_->setFocusPolicy(Qt::TabFocus);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    display_->setFont(font);
    QPalette palette = display_->palette();
    palette.setColor(QPalette::Text, Qt::blue);
    display_->setPalette(palette);
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setAccessibleName(QStringLiteral("Value"));
    display_->setAccessibleDescription(QStringLiteral("The current value"));
    MarkKeypadPart(display_, 0);
    layout->addWidget(display_, 0, 0, 1, 5);

    expression_ = MakeLabel(band, QString(), QStringLiteral("Expression"));
    expression_->setObjectName(QStringLiteral("lb_Expression"));
    expression_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A long formula must not widen the keypad; its hint shows it whole.
    expression_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(expression_, 1, 0, 1, 5);

    formula_ = new TFormulaField(band, [this](ValueRef value) {
        // As a function chosen from a menu: the value with its formula.
        TCalcCommondData data;
        data.Value = std::move(value);
        ExecuteCommand(ccInsertReference, &data);
    });
    for (QWidget* part :
         std::initializer_list<QWidget*>{formula_, formula_->Edit(), formula_->Status()})
        MarkKeypadPart(part, 0);
    layout->addWidget(formula_, 2, 0, 1, 5);

    mode_ = MakeLabel(band, QStringLiteral("ALG"), QStringLiteral("Input mode"));
    mode_->setObjectName(QStringLiteral("lb_Mode"));
    mode_->setFrameShape(QFrame::Box);
    QFont bold = mode_->font();
    bold.setBold(true);
    mode_->setFont(bold);
    // Red; a skin chooses the red that reads on its background (QLabel#lb_Mode).
    QPalette red = mode_->palette();
    red.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    mode_->setPalette(red);
    layout->addWidget(mode_, 3, 0);
    // At the left end of the value it changes, as a calculator's annunciator:
    // the mode's row has no room left for it, and the keypad must not widen.
    fixIndicator_ = MakeLabel(display_, QString(), QString());
    fixIndicator_->setObjectName(QStringLiteral("lb_FixedFormat"));
    fixIndicator_->setFont(bold);
    fixIndicator_->setPalette(red);
    auto* inside = new QHBoxLayout(display_);
    inside->setContentsMargins(4, 0, 0, 0);
    inside->addWidget(fixIndicator_, 0, Qt::AlignLeft | Qt::AlignVCenter);
    inside->addStretch(1);
    layout->setColumnStretch(1, 1);
    int col = 2;
    for (const TKeypadButtonDef& def : KeypadButtons())
        if (def.Place == TKeypadPlace::Top) layout->addWidget(MakeButton(def, band), 3, col++);
    return band;
}

QWidget* Tfra_KeypadFW::BuildGrid() {
    auto* grid = new QWidget(this);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSpacing);
    counter_ = MakeLabel(grid, QStringLiteral("(=0"), QStringLiteral("Counter"));
    counter_->setObjectName(QStringLiteral("lb_Counter"));
    counter_->setAlignment(Qt::AlignCenter);
    // Cells are filled in reading order so that Tab follows the rows.
    for (int row = 0; row < kGridRows; ++row) {
        for (int col = 0; col < kGridCols; ++col) {
            if (row == kCounterRow && col == kCounterCol) {
                layout->addWidget(counter_, row, col);
                continue;
            }
            for (const TKeypadButtonDef& def : KeypadButtons()) {
                if (def.Place == TKeypadPlace::Grid && def.Row == row && def.Col == col)
                    layout->addWidget(MakeButton(def, grid), row, col);
            }
        }
    }
    for (int col = 0; col < kGridCols; ++col)
        layout->setColumnStretch(col, 1);
    return grid;
}

QWidget* Tfra_KeypadFW::BuildFunctionPad() {
    pad_ = new QWidget(this);
    pad_->setObjectName(QStringLiteral("pn_FuncPad"));
    auto* layout = new QGridLayout(pad_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSpacing);
    for (int row = 0; row < kPadRows; ++row) {
        for (int col = 0; col < kPadCols; ++col) {
            auto* button = new QToolButton(pad_);
            button->setObjectName(QStringLiteral("sb_Func%1%2").arg(row).arg(col));
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            button->setEnabled(false);
            MarkKeypadPart(button, 0);
            connect(button, &QToolButton::clicked, this,
                    [this, button] { PadButtonClicked(*button); });
            layout->addWidget(button, row, col);
        }
        layout->setRowMinimumHeight(row, fontMetrics().height() + 6);
    }
    for (int col = 0; col < kPadCols; ++col)
        layout->setColumnStretch(col, 1);
    padPanel_ = std::make_unique<TFuncPadPanel>(pad_);
    return pad_;
}

QWidget* Tfra_KeypadFW::BuildRightColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSpacing);
    for (const TKeypadButtonDef& def : KeypadButtons())
        if (def.Place == TKeypadPlace::Column) layout->addWidget(MakeButton(def, column));
    layout->addStretch(1);
    Button("bb_vars")->setVisible(false);
    return column;
}

QAbstractButton* Tfra_KeypadFW::MakeButton(const TKeypadButtonDef& def, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(Text(def.Name));
    button->setText(Text(def.Caption));
    button->setAccessibleName(Text(def.Caption));
    if (!def.Hint.empty()) button->setToolTip(Text(def.Hint));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    MarkKeypadPart(button, def.HelpContext);
    connect(button, &QToolButton::clicked, this, [this, &def] { ButtonClicked(def); });
    if (def.Place == TKeypadPlace::Grid) {
        const TKeypadKey* key = FindKeypadKey(def.Caption);
        if (key && key->FuncID == 0) pressButtons_.emplace(key->Code, button);
    }
    return button;
}

QAbstractButton* Tfra_KeypadFW::Button(const char* name) const {
    return findChild<QAbstractButton*>(QLatin1String(name));
}

void Tfra_KeypadFW::ButtonClicked(const TKeypadButtonDef& def) {
    const std::string_view name = def.Name;
    if (name == "bb_rpn") return WriteInputMode(kModeRPN);
    if (name == "bb_alg") return WriteInputMode(kModeALG);
    if (name == "bb_date") return DateChosen();
    if (name == "bb_vadd") return PopupAtButton(AddVariableMenu(), "bb_vadd");
    if (name == "bb_vr") return PopupAtButton(ReplaceVariableMenu(), "bb_vr");
    if (name == "bb_vars") return PopupAtButton(VariablesMenu(), "bb_vars");
    if (name == "bb_buildinFunc") return PopupAtButton(FunctionsMenu(), "bb_buildinFunc");
    if (name == "bb_Programs") return PopupAtButton(ProgramsMenu(), "bb_Programs");
    if (name == "sb_Help") return QWhatsThis::enterWhatsThisMode();
    const TKeypadKey* key = FindKeypadKey(def.Caption);
    if (!key) return;
    if (key->Code == ccFunction) {
        TCalcCommondData data;
        data.FuncID = key->FuncID;
        ExecuteCommand(ccFunction, &data);
    } else {
        ExecuteCommand(key->Code);
    }
}

void Tfra_KeypadFW::PadButtonClicked(const QAbstractButton& button) {
    if (!padCreator_) return;
    const TFuncPadClick click = padCreator_->ClickAction(PadButtonTag(button));
    switch (click.Action) {
        case TFuncPadAction::ApplyFunction: {
            TCalcCommondData data;
            data.FuncID = static_cast<std::uint8_t>(click.FuncID);
            ExecuteCommand(click.Command, &data);
            break;
        }
        case TFuncPadAction::OpenParamDialog:
        case TFuncPadAction::InsertNode:
            ApplyFunction(click.FuncID);
            break;
        case TFuncPadAction::None:
            break;
    }
}

void Tfra_KeypadFW::PopupAtButton(QMenu* menu, const char* buttonName) {
    QAbstractButton* button = Button(buttonName);
    // At the mouse for a click, under the button for the keyboard.
    const QPoint at =
        button->underMouse() ? QCursor::pos() : button->mapToGlobal(QPoint(0, button->height()));
    menu->popup(at);
}

void Tfra_KeypadFW::SetFunctionPadVisible(bool visible) {
    pad_->setVisible(visible);
}

void Tfra_KeypadFW::SetVarsButtonVisible(bool visible) {
    Button("bb_vars")->setVisible(visible);
}

void Tfra_KeypadFW::SetHelpEnabled(bool enabled) {
    Button("sb_Help")->setEnabled(enabled);
}

}  // namespace quillix
