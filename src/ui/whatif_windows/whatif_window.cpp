// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif_windows/whatif_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "common/atomic_file.h"
#include "launchers.h"
#include "model/calc_value_warper.h"
#include "model/calc_vars_intf.h"
#include "platform/dialog_driver.h"
#include "platform/help_topics.h"
#include "platform/user_prompts.h"
#include "tools/tool_fields.h"
#include "whatif_windows/range_fields.h"
#include "whatif_windows/variable_choices.h"
#include "whatif_windows/whatif_plot.h"
#include "whatif_windows/whatif_table_model.h"

namespace quillix {

namespace {

// The range a fresh input runs over: half to one and a half times its value.
constexpr int kDefaultSteps = 11;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

Tfrm_WhatIf::Tfrm_WhatIf(ICalcVarsBase& vars, QWidget* parent) : QDialog(parent), vars_(vars) {
    setWindowTitle(QStringLiteral("What-If"));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(BuildQuestion());
    splitter->addWidget(BuildTableSide());
    splitter->addWidget(BuildPlotSide());
    splitter->setStretchFactor(1, 1);
    splitter->setStretchFactor(2, 2);
    splitter->setChildrenCollapsible(false);
    // Room for a row of the table (three 17-digit numbers) beside the question.
    const int character = fontMetrics().averageCharWidth();
    splitter->setSizes({character * 48, character * 62, character * 80});

    QPushButton* help = TopicHelpButton(this, kHelpWhatIf);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    LayOutToolWindow(*this, splitter, {problem_}, {close, help});
    // The button that calculates answers Enter wherever the focus is.
    calculate_->setDefault(true);
    InputChosen();
    SecondInputChosen();
    FollowResult();
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 196, metrics.height() * 32);
}

Tfrm_WhatIf::~Tfrm_WhatIf() = default;

QWidget* Tfrm_WhatIf::BuildQuestion() {
    auto* side = new QWidget(this);
    input_ = new QComboBox(side);
    input_->addItems(InputChoices(vars_));
    input_->setAccessibleName(QStringLiteral("Input"));
    range_ = new TRangeFields(QStringLiteral("Input"), side);
    outputs_ = new QListWidget(side);
    outputs_->setAccessibleName(QStringLiteral("Outputs"));
    for (const QString& name : OutputChoices(vars_)) {
        auto* item = new QListWidgetItem(name, outputs_);
        const TCalcValueWarper* entry = vars_.Find(name.toStdString());
        const bool output = entry && entry->Type == wtOutput;
        item->setCheckState(output ? Qt::Checked : Qt::Unchecked);
    }
    secondInput_ = new QComboBox(side);
    secondInput_->addItem(QStringLiteral("(none)"));
    secondInput_->addItems(InputChoices(vars_));
    secondInput_->setAccessibleName(QStringLiteral("Second input"));
    secondRange_ = new TRangeFields(QStringLiteral("Second input"), side);
    calculate_ = new QPushButton(QStringLiteral("C&alculate"), side);
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->setAccessibleName(QStringLiteral("Problem"));
    problem_->setMinimumWidth(fontMetrics().averageCharWidth() * 60);

    auto* form = new QFormLayout(side);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(BuddyLabel(QStringLiteral("&Input:"), input_, side), input_);
    form->addRow(range_);
    form->addRow(BuddyLabel(QStringLiteral("O&utputs:"), outputs_, side), outputs_);
    form->addRow(BuddyLabel(QStringLiteral("S&econd input:"), secondInput_, side), secondInput_);
    form->addRow(secondRange_);
    form->addRow(calculate_);
    connect(input_, &QComboBox::currentIndexChanged, this, &Tfrm_WhatIf::InputChosen);
    connect(secondInput_, &QComboBox::currentIndexChanged, this, &Tfrm_WhatIf::SecondInputChosen);
    connect(calculate_, &QPushButton::clicked, this, &Tfrm_WhatIf::Calculate);
    if (input_->count() == 0) {
        problem_->setText(QStringLiteral("No variable holds a plain number that could vary."));
        calculate_->setEnabled(false);
    }
    return side;
}

QWidget* Tfrm_WhatIf::BuildTableSide() {
    auto* side = new QWidget(this);
    model_ = new TWhatIfTableModel(this);
    table_ = new QTableView(side);
    table_->setModel(model_);
    table_->setAccessibleName(QStringLiteral("Table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->installEventFilter(this);
    copy_ = new QPushButton(QStringLiteral("Cop&y"), side);
    copy_->setAccessibleDescription(
        QStringLiteral("Copies the table as tab-separated text, ready for a spreadsheet"));
    saveCsv_ = new QPushButton(QStringLiteral("&Save as CSV..."), side);
    connect(copy_, &QPushButton::clicked, this, &Tfrm_WhatIf::Copy);
    connect(saveCsv_, &QPushButton::clicked, this, &Tfrm_WhatIf::SaveCsv);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy_);
    buttons->addWidget(saveCsv_);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    return side;
}

QWidget* Tfrm_WhatIf::BuildPlotSide() {
    plotSide_ = new QWidget(this);
    plot_ = new TWhatIfPlot(plotSide_);
    plot_->setMinimumSize(fontMetrics().averageCharWidth() * 50, fontMetrics().height() * 16);
    readOut_ = new QLabel(plotSide_);
    readOut_->setAccessibleName(QStringLiteral("Point under the mouse"));
    connect(plot_, &TWhatIfPlot::readOut, readOut_, &QLabel::setText);
    resetView_ = new QPushButton(QStringLiteral("&Reset View"), plotSide_);
    exportImage_ = new QPushButton(QStringLiteral("E&xport Image..."), plotSide_);
    connect(resetView_, &QPushButton::clicked, plot_, &TWhatIfPlot::ResetView);
    connect(exportImage_, &QPushButton::clicked, this, &Tfrm_WhatIf::ExportImage);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(readOut_, 1);
    buttons->addWidget(resetView_);
    buttons->addWidget(exportImage_);
    auto* layout = new QVBoxLayout(plotSide_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot_, 1);
    layout->addLayout(buttons);
    return plotSide_;
}

void Tfrm_WhatIf::FillDefaultRange(TRangeFields& fields, const QString& input) {
    const TCalcValue* value = vars_.GetValue(input.toStdString());
    const long double now = value ? value->Number() : 0;
    if (now == 0) {
        fields.SetSteps(0, 10, kDefaultSteps, false);
    } else {
        fields.SetSteps(now / 2, now * 3 / 2, kDefaultSteps, false);
    }
}

void Tfrm_WhatIf::InputChosen() {
    FillDefaultRange(*range_, input_->currentText());
}

void Tfrm_WhatIf::SecondInputChosen() {
    const bool grid = secondInput_->currentIndex() > 0;
    secondRange_->setEnabled(grid);
    if (grid) FillDefaultRange(*secondRange_, secondInput_->currentText());
}

void Tfrm_WhatIf::CheckOutputs(const std::vector<std::string>& names) {
    for (int row = 0; row < outputs_->count(); ++row) {
        QListWidgetItem* item = outputs_->item(row);
        const bool wanted =
            std::find(names.begin(), names.end(), item->text().toStdString()) != names.end();
        item->setCheckState(wanted ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<std::string> Tfrm_WhatIf::CheckedOutputs() const {
    std::vector<std::string> names;
    for (int row = 0; row < outputs_->count(); ++row) {
        if (outputs_->item(row)->checkState() == Qt::Checked)
            names.push_back(outputs_->item(row)->text().toStdString());
    }
    return names;
}

void Tfrm_WhatIf::ShowProblem(const std::string& problem) {
    problem_->setText(Text(problem));
}

void Tfrm_WhatIf::Calculate() {
    ShowProblem({});
    const bool grid = secondInput_->currentIndex() > 0;
    std::vector<std::string> inputs{input_->currentText().toStdString()};
    if (grid) inputs.push_back(secondInput_->currentText().toStdString());
    std::vector<std::string> outputs = CheckedOutputs();
    if (outputs.empty()) return ShowProblem("Tick at least one output.");
    if (grid) outputs.resize(1);  // a grid shows one output: the first ticked
    if (std::string problem = TableProblem(vars_, inputs, outputs); !problem.empty())
        return ShowProblem(problem);
    const TRangeReading first = range_->Reading();
    if (!first.range) return ShowProblem("Input: " + first.problem);
    const TRangeReading second = grid ? secondRange_->Reading() : TRangeReading{};
    if (grid && !second.range) return ShowProblem("Second input: " + second.problem);

    std::vector<long double> points = RangePoints(*first.range);
    const std::size_t columns = grid ? RangePoints(*second.range).size() : outputs.size() + 1;
    if (std::string problem = KeptTableProblem(points.size(), columns); !problem.empty())
        return ShowProblem(problem);
    try {
        if (grid) {
            TGridAxes axes{inputs[0], std::move(points), inputs[1], RangePoints(*second.range)};
            model_->SetGrid(TabulateGrid(vars_, axes, outputs.front()));
            plot_->Clear();
            ShowProblem("The grid shows " + outputs.front() + ".");
        } else {
            TWhatIfTable table = Tabulate(vars_, inputs[0], points, outputs);
            plot_->ShowTable(table);
            model_->SetTable(std::move(table));
        }
    } catch (const WhatIfRefused& refused) {
        ShowProblem(refused.what());
    }
    readOut_->clear();
    plotSide_->setVisible(!grid);
    FollowResult();
}

void Tfrm_WhatIf::FollowResult() {
    const bool table = !model_->IsEmpty();
    copy_->setEnabled(table);
    saveCsv_->setEnabled(table);
    const bool plot = model_->Table() != nullptr;
    resetView_->setEnabled(plot);
    exportImage_->setEnabled(plot);
}

void Tfrm_WhatIf::Copy() {
    if (model_->IsEmpty()) return;
    QApplication::clipboard()->setText(Text(model_->Text(TTableSeparator::kTab)));
}

bool Tfrm_WhatIf::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        Copy();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tfrm_WhatIf::SaveCsv() {
    if (model_->IsEmpty()) return;
    const std::optional<QString> path =
        Prompts().AskSaveFile(this, QStringLiteral("what-if.csv"),
                              QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    if (!path) return;
    std::string error;
    if (!WriteFileAtomically(path->toStdString(), model_->Text(TTableSeparator::kComma), &error))
        Prompts().ShowError(this, Text(error));
}

void Tfrm_WhatIf::ExportImage() {
    if (!model_->Table()) return;
    const std::optional<QString> path = Prompts().AskSaveFile(
        this, QStringLiteral("what-if.png"),
        QStringLiteral("PNG pictures (*.png);;SVG drawings (*.svg)"), QStringLiteral("png"));
    if (!path) return;
    QString error;
    if (!plot_->SaveImage(*path, &error)) Prompts().ShowError(this, error);
}

void RunWhatIfOn(QWidget* parent, ICalcVarsBase& document) {
    Tfrm_WhatIf window(document, parent);
    ExecDialog(window);
}

void RunWhatIf(QWidget* parent) {
    if (ICalcVars* document = CalcVarsIntf()) RunWhatIfOn(parent, *document);
}

}  // namespace quillix
