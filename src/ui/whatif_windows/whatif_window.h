// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_WhatIf: "What-If..." over the program document. The user picks an
// input (only variables that can take a number), its range and the outputs;
// "Calculate" asks the core for the table, shown beside its plot. With a
// second input the core's grid is shown instead, without a plot. The table
// copies as tab-separated text (Ctrl+C) and saves as CSV; the plot exports
// as PNG or SVG. The document is never changed.

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace quillix {

class ICalcVarsBase;
class TRangeFields;
class TWhatIfPlot;
class TWhatIfTableModel;

class Tfrm_WhatIf : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrm_WhatIf(ICalcVarsBase& vars, QWidget* parent = nullptr);
    ~Tfrm_WhatIf() override;

    QComboBox* InputBox() const { return input_; }
    TRangeFields& Range() const { return *range_; }
    QListWidget* OutputList() const { return outputs_; }
    QComboBox* SecondInputBox() const { return secondInput_; }
    TRangeFields& SecondRange() const { return *secondRange_; }
    QPushButton* CalculateButton() const { return calculate_; }
    QLabel* Problem() const { return problem_; }
    QTableView* TableView() const { return table_; }
    TWhatIfTableModel& Model() const { return *model_; }
    TWhatIfPlot& Plot() const { return *plot_; }
    QLabel* ReadOut() const { return readOut_; }
    QPushButton* CopyButton() const { return copy_; }
    QPushButton* SaveCsvButton() const { return saveCsv_; }
    QPushButton* ExportButton() const { return exportImage_; }

    // Ticks exactly these outputs.
    void CheckOutputs(const std::vector<std::string>& names);
    // What the buttons do.
    void Calculate();
    void Copy();
    void SaveCsv();
    void ExportImage();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildQuestion();
    QWidget* BuildTableSide();
    QWidget* BuildPlotSide();
    // The range a freshly chosen input runs over: around its value.
    void FillDefaultRange(TRangeFields& fields, const QString& input);
    void InputChosen();
    void SecondInputChosen();
    std::vector<std::string> CheckedOutputs() const;
    void ShowProblem(const std::string& problem);
    void FollowResult();  // the commands that need a table

    ICalcVarsBase& vars_;
    QComboBox* input_ = nullptr;
    TRangeFields* range_ = nullptr;
    QListWidget* outputs_ = nullptr;
    QComboBox* secondInput_ = nullptr;
    TRangeFields* secondRange_ = nullptr;
    QPushButton* calculate_ = nullptr;
    QLabel* problem_ = nullptr;
    TWhatIfTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* saveCsv_ = nullptr;
    QWidget* plotSide_ = nullptr;
    TWhatIfPlot* plot_ = nullptr;
    QLabel* readOut_ = nullptr;
    QPushButton* resetView_ = nullptr;
    QPushButton* exportImage_ = nullptr;
};

}  // namespace quillix
