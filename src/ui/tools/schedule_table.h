// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A schedule of the finance box: a read-only table of text cells with a
// "Copy" button that puts the whole schedule on the clipboard as
// tab-separated lines, so that it pastes straight into a spreadsheet.

#include <QStringList>
#include <QWidget>
#include <string>

class QPushButton;
class QTableWidget;

namespace quillix {

class TScheduleTable : public QWidget {
    Q_OBJECT
  public:
    TScheduleTable(const QStringList& columns, const QString& accessibleName,
                   QWidget* parent = nullptr);

    // Empties the table and forgets the clipboard text ("Copy" is disabled).
    void Clear();
    // Appends a row; the first cell (a year or period, or a caption) is centred,
    // the numbers are right-aligned.
    template <class Cells>
    void AddRow(const Cells& cells) {
        QStringList texts;
        for (const std::string& cell : cells)
            texts.append(QString::fromStdString(cell));
        AddRowTexts(texts);
    }
    // What "Copy" puts on the clipboard; "Copy" is enabled when it is not empty.
    void SetCopyText(std::string text);
    // Puts the copy text on the clipboard (what "Copy" does).
    void Copy();

    QTableWidget* Table() const { return table_; }
    QPushButton* CopyButton() const { return copy_; }
    // The text of a cell; empty when there is no such cell.
    QString Cell(int row, int column) const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void AddRowTexts(const QStringList& cells);
    // Room for the header and kRowsInSight rows, in the current font and style.
    void KeepRowsInSight();

    QTableWidget* table_ = nullptr;
    QPushButton* copy_ = nullptr;
    std::string copyText_;
};

}  // namespace quillix
