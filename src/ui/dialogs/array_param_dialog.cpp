// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/array_param_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/dialog_buttons.h"
#include "drop_down/calc_drop_down.h"
#include "platform/dialog_driver.h"

namespace quillix {

Tfrm_ArrayParam::Tfrm_ArrayParam(QWidget* parent, const QString& caption,
                                 std::vector<ValueRef>& list)
    : QDialog(parent), list_(list) {
    setWindowTitle(tr("Array Parameter"));
    auto* group = new QGroupBox(caption);
    auto* rows = new QWidget;
    auto* form = new QFormLayout(rows);
    const int count = std::max<int>(kBoxCount, static_cast<int>(list.size()));
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("Value%1").arg(i + 1);
        auto* box = new TCalcDropDown(rows);
        box->setObjectName(name);
        box->SetAccessibleName(name);
        if (i < static_cast<int>(list.size()))
            box->AssignValue(*list[static_cast<std::size_t>(i)]);
        else
            box->Edit()->clear();
        form->addRow(name + QStringLiteral(":  "), box);
        boxes_.push_back(box);
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Ten rows in view, the rest by scrolling.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumHeight(rows->sizeHint().height() * 10 / count);
    scroll->setMinimumWidth(rows->sizeHint().width() +
                            scroll->verticalScrollBar()->sizeHint().width());
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(scroll);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    AddOkCancel(*this, *layout);
}

bool Tfrm_ArrayParam::Execute() {
    return ExecDialog(*this) == QDialog::Accepted;
}

void Tfrm_ArrayParam::accept() {
    list_.clear();
    for (const TCalcDropDown* box : boxes_) {
        if (box->IsTextEmpty()) break;
        list_.push_back(box->Value().Clone());
    }
    QDialog::accept();
}

}  // namespace quillix
