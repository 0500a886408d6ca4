// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/program_runner.h"

#include <QAction>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "dialogs/source_view.h"
#include "drop_down/calc_drop_down.h"
#include "launchers.h"
#include "model/calc_vars_intf.h"
#include "model/operate_user.h"
#include "platform/dialog_driver.h"
#include "platform/user_prompts.h"
#include "vars/library_names.h"
#include "vars/user_func_folder.h"

namespace quillix {

namespace {

// Every control starts at this left edge; the first row at kTop.
constexpr int kLeft = 10;
constexpr int kTop = 2;
// The gap before the inputs and before the outputs.
constexpr int kGroupGap = 10;
constexpr int kFieldWidth = 160;

// The area keeps its colours whatever the skin: a white page with the
// program's description in green, the entries' descriptions in navy and the
// outputs in blue, the names in black.
const QString kFieldsSheet = QStringLiteral(
    "#RunnerFields { background: #ffffff; }"
    "#RunnerFields QLabel { color: #000000; background: transparent; }"
    "#RunnerFields QLabel[runnerText=\"program\"] { color: #008000; }"
    "#RunnerFields QLabel[runnerText=\"entry\"] { color: #000080; }"
    "#RunnerFields QLineEdit[runnerText=\"output\"] { color: #0000ff; background: #ffffff; }");

// kind ("program", "entry") picks a description's colour; it is set before
// the label's size is taken, which polishes it with the page's style sheet.
QLabel* PlacedLabel(QWidget* parent, const QString& text, int y, const char* kind = nullptr) {
    auto* label = new QLabel(text, parent);
    if (kind) label->setProperty("runnerText", QString::fromLatin1(kind));
    label->setTextFormat(Qt::PlainText);
    label->move(kLeft, y);
    label->resize(label->sizeHint());
    return label;
}

QString ReturnCaption(const QString& output) {
    return QStringLiteral("Return ") + output;
}

const QString kVariableNamePrompt = QStringLiteral("Variable's name:");

QString NameTakenPrompt(const QString& name) {
    return QStringLiteral("The name '") + name + QStringLiteral("' already exists.\n") +
           kVariableNamePrompt;
}

}  // namespace

Tfrm_ProgramRun::Tfrm_ProgramRun(QWidget* parent) : QDialog(parent) {
    exec_ = std::make_unique<TCalcProgramExec>();
    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);

    auto* calculate = new QPushButton(QStringLiteral("C&alculate"), this);
    returnButton_ = new QPushButton(QStringLiteral("&Return"), this);
    auto* source = new QPushButton(QStringLiteral("&Source view"), this);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    calculate->setDefault(true);
    connect(calculate, &QPushButton::clicked, this, &Tfrm_ProgramRun::Calculate);
    connect(returnButton_, &QPushButton::clicked, this, &Tfrm_ProgramRun::ShowReturnMenu);
    connect(source, &QPushButton::clicked, this, &Tfrm_ProgramRun::ShowSource);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    returnMenu_ = new QMenu(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate);
    buttons->addWidget(returnButton_);
    buttons->addWidget(source);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttons);
    resize(420, 320);
}

Tfrm_ProgramRun::~Tfrm_ProgramRun() = default;

bool Tfrm_ProgramRun::Load(const std::string& name) {
    IUserFuncFolder* library = UserProgramsIntf();
    const TUserFuncObj* program = library ? library->FindByName(name) : nullptr;
    if (!program) return false;
    std::string error;
    if (!exec_->LoadFromFile(program->GetFileName(), &error)) {
        Prompts().ShowError(parentWidget(), QString::fromStdString(error));
        return false;
    }
    // The window keeps the name, not the library object, which the library
    // manager may delete while a modeless runner is open.
    programName_ = program->Name();
    setWindowTitle(QString::fromStdString(programName_));
    BuildFields();
    return true;
}

void Tfrm_ProgramRun::ClearFields() {
    inputs_.clear();
    outputs_.clear();
    fields_ = new QWidget;
    fields_->setObjectName(QStringLiteral("RunnerFields"));
    fields_->setAttribute(Qt::WA_StyledBackground);
    fields_->setStyleSheet(kFieldsSheet);
    scroll_->setWidget(fields_);  // deletes the previous area with its fields
}

int Tfrm_ProgramRun::AddDescription(const std::string& text, const char* kind, int y) {
    if (TrimBlanks(text).empty()) return y;
    return y + PlacedLabel(fields_, QString::fromStdString(text), y, kind)->height();
}

void Tfrm_ProgramRun::BuildFields() {
    ClearFields();
    // Rows are placed top to bottom first; their fields then line up in one
    // column right of the widest name.
    std::vector<std::pair<QLabel*, QWidget*>> rows;
    int y = AddDescription(exec_->Description(), "program", kTop);
    y += kGroupGap;
    for (TCalcValueWarper* input : exec_->Inputs()) {
        y = AddDescription(input->Description, "entry", y);
        const std::string name = input->GetName();
        QLabel* label = PlacedLabel(fields_, QString::fromStdString(name + ":  "), y);
        auto* field = new TCalcDropDown(fields_);
        field->AssignNumber(input->Value->CVType(), input->Value->Number());
        field->setGeometry(0, y, kFieldWidth, field->sizeHint().height());
        y = field->geometry().bottom() + 1;
        rows.emplace_back(label, field);
        inputs_.push_back({name, label, field});
    }
    y += kGroupGap;
    for (TCalcValueWarper* output : exec_->Outputs()) {
        y = AddDescription(output->Description, "entry", y);
        const std::string name = output->GetName();
        QLabel* label = PlacedLabel(fields_, QString::fromStdString(name + " = "), y);
        auto* field = new QLineEdit(fields_);
        field->setProperty("runnerText", QStringLiteral("output"));
        field->setReadOnly(true);
        field->setGeometry(0, y, kFieldWidth, field->sizeHint().height());
        y = field->geometry().bottom() + 1;
        rows.emplace_back(label, field);
        outputs_.push_back({name, field});
    }
    int column = kLeft;
    for (const auto& [label, field] : rows)
        column = std::max(column, label->x() + label->width());
    for (const auto& [label, field] : rows) {
        label->setGeometry(kLeft, field->y(), column - kLeft, field->height());
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        field->move(column, field->y());
    }
    int right = 0;
    for (QObject* child : fields_->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child))
            right = std::max(right, widget->geometry().right() + 1);
    }
    // The white page fills the window; the fields keep their places at its top left.
    fields_->setMinimumSize(right + kLeft, y + kTop);
    returnButton_->setEnabled(!outputs_.empty());
}

TCalcDropDown* Tfrm_ProgramRun::InputField(const QString& name) const {
    const std::string wanted = name.toStdString();
    for (const TInputRow& row : inputs_)
        if (SameName(row.Name, wanted)) return row.Field;
    return nullptr;
}

QLabel* Tfrm_ProgramRun::InputLabel(const QString& name) const {
    const std::string wanted = name.toStdString();
    for (const TInputRow& row : inputs_)
        if (SameName(row.Name, wanted)) return row.Label;
    return nullptr;
}

QLineEdit* Tfrm_ProgramRun::OutputField(const QString& name) const {
    const std::string wanted = name.toStdString();
    for (const TOutputRow& row : outputs_)
        if (SameName(row.Name, wanted)) return row.Field;
    return nullptr;
}

void Tfrm_ProgramRun::Calculate() {
    for (const TInputRow& row : inputs_) {
        // The typed number with every digit; the program's calculations read
        // it at the shown decimals in fixed format, as a program node's would.
        exec_->SetInput(row.Name, row.Field->Value().CopyNumber());
    }
    exec_->RecalcAll();
    for (TCalcValueWarper* output : exec_->Outputs()) {
        if (QLineEdit* field = OutputField(QString::fromStdString(output->GetName())))
            field->setText(QString::fromStdString(output->Value->FormatValue(kPlainStyle)));
    }
}

QMenu* Tfrm_ProgramRun::ReturnMenu() {
    returnMenu_->clear();
    for (const TOutputRow& row : outputs_) {
        const QString name = QString::fromStdString(row.Name);
        QAction* action = returnMenu_->addAction(name);
        action->setData(name);
        connect(action, &QAction::triggered, this, [this, name] { ReturnOutput(name); });
    }
    return returnMenu_;
}

void Tfrm_ProgramRun::ShowReturnMenu() {
    ReturnMenu()->popup(QCursor::pos());
}

bool Tfrm_ProgramRun::ReturnOutput(const QString& output) {
    ICalcVars* document = CalcVarsIntf();
    if (!document) return false;
    const QString caption = ReturnCaption(output);
    QString prompt = kVariableNamePrompt;
    QString initial = output;
    for (;;) {
        const std::optional<QString> answer = Prompts().AskText(this, caption, prompt, initial);
        if (!answer) return false;
        const std::string name = TrimBlanks(answer->toStdString());
        if (!name.empty() && !document->Exists(name)) {
            auto node =
                std::make_unique<TCalcOperateUserProgram>(programName_, output.toStdString());
            for (const TInputRow& row : inputs_)
                node->AddOperand(row.Field->Value().Clone());
            ValueRef value = TCalcValue::New();
            value->SetOperate(std::move(node));  // runs the program from its file
            return document->Add(name, std::move(value));
        }
        prompt = NameTakenPrompt(*answer);
        initial = *answer;
    }
}

void Tfrm_ProgramRun::ShowSource() {
    Tfrm_sourceView view(this);
    view.ShowSet(*exec_);
}

void RunProgramRunner(QWidget* parent, const std::string& name, bool modal) {
    if (modal) {
        Tfrm_ProgramRun runner(parent);
        if (runner.Load(name)) ExecDialog(runner);
        return;
    }
    auto runner = std::make_unique<Tfrm_ProgramRun>(parent);
    if (!runner->Load(name)) return;
    // A modeless runner frees itself when it is closed.
    runner->setAttribute(Qt::WA_DeleteOnClose);
    runner.release()->show();
}

}  // namespace quillix
