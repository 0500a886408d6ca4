// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/function_param_dialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <exception>
#include <optional>
#include <utility>

#include "config/comma_text.h"
#include "config/configor.h"
#include "config/remembered_arguments.h"
#include "config/settings_table.h"
#include "dialogs/array_param_dialog.h"
#include "dialogs/dialog_buttons.h"
#include "drop_down/calc_drop_down.h"
#include "functions/func_catalogue.h"
#include "launchers.h"
#include "model/function_call.h"
#include "platform/app_home.h"
#include "platform/dialog_driver.h"
#include "platform/user_prompts.h"
#include "vars_view_intf.h"

namespace quillix {

namespace {

constexpr int kRowsInView = 5;

// The items of a list as the row shows them.
std::vector<std::string> ShownItems(const std::vector<ValueRef>& list) {
    std::vector<std::string> items;
    items.reserve(list.size());
    for (const ValueRef& value : list)
        items.push_back(value->FormatValue(kPlainStyle));
    return items;
}

QString RowLabelText(const TFuncParamDef& param) {
    return QString::fromStdString(param.Name) + QStringLiteral(":  ");
}

}  // namespace

struct Tfrm_FunctionParam::TParamRow {
    const TFuncParamDef* Param = nullptr;
    QLabel* Label = nullptr;
    TCalcDropDown* Box = nullptr;   // plain parameter
    QLineEdit* ListText = nullptr;  // list parameter
    QPushButton* ListButton = nullptr;
    int ListIndex = -1;  // 0 for the first list parameter, 1 for every later one
};

Tfrm_FunctionParam::Tfrm_FunctionParam(QWidget* parent, const TFuncDataItem& item,
                                       bool isUserFunction)
    : QDialog(parent), item_(item), isUserFunction_(isUserFunction) {
    setWindowTitle(tr("Function Parameters"));
    group_ = new QGroupBox(QString::fromStdString(item.Name));
    functionText_ = new QLabel(QString::fromStdString(item.Description) + QLatin1Char('\n'));
    functionText_->setWordWrap(true);
    auto* rowsWidget = new QWidget;
    grid_ = new QGridLayout(rowsWidget);
    grid_->setContentsMargins(2, 2, 2, 2);
    grid_->setVerticalSpacing(2);
    grid_->setColumnStretch(1, 1);
    scroll_ = new QScrollArea;
    scroll_->setWidget(rowsWidget);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* groupLayout = new QVBoxLayout(group_);
    groupLayout->addWidget(functionText_);
    groupLayout->addWidget(scroll_, 1);

    helpLine_ = new QLabel;
    helpLine_->setWordWrap(true);
    helpLine_->setAccessibleName(tr("Parameter help"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_, 1);
    layout->addWidget(helpLine_);
    AddOkCancel(*this, *layout);
}

Tfrm_FunctionParam::~Tfrm_FunctionParam() = default;

QString Tfrm_FunctionParam::RememberSection() const {
    return QString::fromStdString(RememberedSection(item_.Name));
}

bool Tfrm_FunctionParam::Prepare() {
    if (prepared_) return nothingToAsk_;
    prepared_ = true;
    remember_ = ConfigorIntf ? ReadBoolSetting(*ConfigorIntf, TSetting::MainAutoSaveParam) : true;
    LayOutRows();
    if (remember_) FillRemembered();
    const bool listTaken = TakeSelectedVariables();
    nothingToAsk_ = listTaken && item_.Params.size() == 1;
    return nothingToAsk_;
}

bool Tfrm_FunctionParam::Execute() {
    if (Prepare()) {
        if (remember_) Remember();
        return true;
    }
    return ExecDialog(*this) == QDialog::Accepted;
}

void Tfrm_FunctionParam::accept() {
    if (remember_) Remember();
    QDialog::accept();
}

void Tfrm_FunctionParam::LayOutRows() {
    int listsMet = 0;
    for (const TFuncParamDef& param : item_.Params) {
        auto row = std::make_unique<TParamRow>();
        row->Param = &param;
        const int line = static_cast<int>(rows_.size());
        row->Label = new QLabel(RowLabelText(param));
        row->Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid_->addWidget(row->Label, line, 0);
        const QString name = QString::fromStdString(param.Name);
        if (param.IsArray) {
            row->ListIndex = listsMet++ == 0 ? 0 : 1;
            row->ListText = new QLineEdit;
            row->ListText->setReadOnly(true);
            row->ListText->setMinimumWidth(186);
            row->ListText->setAccessibleName(name);
            row->ListText->installEventFilter(this);
            row->ListButton = new QPushButton(QStringLiteral("..."));
            row->ListButton->setAccessibleName(tr("Edit %1").arg(name));
            row->Label->setBuddy(row->ListText);
            auto* line_ = new QHBoxLayout;
            line_->setSpacing(0);
            line_->addWidget(row->ListText, 1);
            line_->addWidget(row->ListButton);
            grid_->addLayout(line_, line, 1);
            connect(row->ListButton, &QPushButton::clicked, this,
                    [this, r = row.get()] { EditList(*r); });
        } else {
            row->Box = new TCalcDropDown;
            row->Box->SetAccessibleName(name);
            if (param.HasDefault) row->Box->AssignNumber(param.DefaultType, param.DefaultValue);
            row->Label->setBuddy(row->Box);
            grid_->addWidget(row->Box, line, 1);
            connect(row->Box, &TCalcDropDown::editEntered, this,
                    [this, &param] { ShowHelp(param); });
        }
        rows_.push_back(std::move(row));
    }
    grid_->setRowStretch(static_cast<int>(rows_.size()), 1);
    // Up to five rows in view; the others are reached by scrolling.
    QWidget* rowsWidget = scroll_->widget();
    const int count = static_cast<int>(rows_.size());
    if (count > 0) {
        const int shown = std::min(kRowsInView, count);
        scroll_->setMinimumHeight(rowsWidget->sizeHint().height() * shown / count + 2);
    }
    scroll_->setMinimumWidth(rowsWidget->sizeHint().width() +
                             scroll_->verticalScrollBar()->sizeHint().width());
}

void Tfrm_FunctionParam::FillRemembered() {
    for (const auto& row : rows_) {
        const std::string& param = row->Param->Name;
        if (row->Box) {
            if (const auto number = RememberedNumber(AppHomeFolder(), item_.Name, param))
                row->Box->AssignNumber(row->Param->DefaultType, *number);
            continue;
        }
        const std::optional<TRememberedList> remembered =
            RememberedList(AppHomeFolder(), item_.Name, param);
        if (!remembered) continue;
        std::vector<ValueRef>& list = lists_[row->ListIndex];
        list.clear();
        for (const long double number : remembered->Numbers)
            list.push_back(TCalcValue::New(number));
        // Items left out (a date's display text): the text shows what the list holds.
        if (remembered->Complete)
            row->ListText->setText(QString::fromStdString(remembered->Text));
        else
            ShowListText(*row);
    }
}

bool Tfrm_FunctionParam::TakeSelectedVariables() {
    const TParamRow* firstList = nullptr;
    for (const auto& row : rows_)
        if (row->ListIndex == 0) firstList = row.get();
    if (!firstList || !VarsViewIntf) return false;
    if (!VarsViewIntf->GetSelectedValues(lists_[0])) return false;
    ShowListText(*firstList);
    return true;
}

void Tfrm_FunctionParam::Remember() {
    try {
        for (const auto& row : rows_) {
            const std::string& param = row->Param->Name;
            if (row->Box)
                RememberNumber(AppHomeFolder(), item_.Name, param, row->Box->Value().Number());
            else
                RememberList(AppHomeFolder(), item_.Name, param,
                             ShownItems(lists_[row->ListIndex]));
        }
    } catch (const std::exception& error) {
        // The arguments still count; only remembering them failed.
        Prompts().ShowError(this, QString::fromStdString(error.what()));
    }
}

void Tfrm_FunctionParam::ShowListText(const TParamRow& row) {
    row.ListText->setText(QString::fromStdString(ToCommaText(ShownItems(lists_[row.ListIndex]))));
}

void Tfrm_FunctionParam::EditList(const TParamRow& row) {
    Tfrm_ArrayParam dialog(this, row.Label->text(), lists_[row.ListIndex]);
    if (dialog.Execute()) ShowListText(row);
}

void Tfrm_FunctionParam::ShowHelp(const TFuncParamDef& param) {
    helpLine_->setText(QStringLiteral("      ") + RowLabelText(param) +
                       QString::fromStdString(param.Description));
}

bool Tfrm_FunctionParam::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (const auto& row : rows_)
            if (row->ListText == watched) ShowHelp(*row->Param);
    }
    return QDialog::eventFilter(watched, event);
}

std::unique_ptr<TCalcOperate> Tfrm_FunctionParam::BuildNode() {
    if (isUserFunction_) {
        std::vector<ValueRef> args;
        for (const auto& row : rows_)
            if (row->Box) args.push_back(row->Box->Value().Clone());
        return BindUserFunctionCall(item_.Name, std::move(args));
    }
    // Each row's argument in parameter order; the lists are taken over.
    TCallArguments args;
    for (const auto& row : rows_) {
        if (row->Box)
            args.emplace_back(row->Box->Value().Clone());
        else
            args.emplace_back(std::exchange(lists_[row->ListIndex], {}));
    }
    return BindCatalogueCall(item_, std::move(args));
}

const Tfrm_FunctionParam::TParamRow* Tfrm_FunctionParam::Row(const QString& name) const {
    for (const auto& row : rows_)
        if (QString::fromStdString(row->Param->Name) == name) return row.get();
    return nullptr;
}

TCalcDropDown* Tfrm_FunctionParam::Box(const QString& name) const {
    const TParamRow* row = Row(name);
    return row ? row->Box : nullptr;
}

QLineEdit* Tfrm_FunctionParam::ListText(const QString& name) const {
    const TParamRow* row = Row(name);
    return row ? row->ListText : nullptr;
}

QPushButton* Tfrm_FunctionParam::ListButton(const QString& name) const {
    const TParamRow* row = Row(name);
    return row ? row->ListButton : nullptr;
}

QStringList Tfrm_FunctionParam::RowLabels() const {
    QStringList labels;
    for (const auto& row : rows_)
        labels << row->Label->text();
    return labels;
}

QString Tfrm_FunctionParam::FunctionText() const {
    return functionText_->text();
}

QString Tfrm_FunctionParam::HelpLine() const {
    return helpLine_->text();
}

std::unique_ptr<TCalcOperate> RunFunctionParamDialog(QWidget* parent, const TFuncDataItem& item,
                                                     bool isUserFunction) {
    Tfrm_FunctionParam dialog(parent, item, isUserFunction);
    if (!dialog.Execute()) return nullptr;
    return dialog.BuildNode();
}

}  // namespace quillix
