// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/source_view.h"

#include <QDialogButtonBox>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "platform/dialog_driver.h"
#include "platform/user_prompts.h"
#include "vars/calc_exec.h"
#include "vars/source_view_text.h"

namespace quillix {

namespace {

QTextCharFormat FormatOf(TSourceLine::Kind kind) {
    QTextCharFormat format;
    switch (kind) {
        case TSourceLine::kDescription:
            format.setForeground(QColor(0x00, 0x80, 0x00));  // green
            break;
        case TSourceLine::kHeader:
            format.setForeground(QColor(0x00, 0x00, 0x80));  // navy
            break;
        default:
            break;  // the box's own text colour
    }
    return format;
}

}  // namespace

Tfrm_sourceView::Tfrm_sourceView(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Source View"));
    text_ = new QTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QTextEdit::NoWrap);
    text_->setAcceptRichText(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(buttons);
    resize(520, 400);
}

Tfrm_sourceView::~Tfrm_sourceView() = default;

void Tfrm_sourceView::Fill(const TCalcVarsBase& set) {
    text_->clear();
    QTextCursor cursor(text_->document());
    bool first = true;
    for (const TSourceLine& line : SourceViewLines(set)) {
        if (!first) cursor.insertBlock();
        first = false;
        cursor.insertText(QString::fromStdString(line.text), FormatOf(line.kind));
    }
    text_->moveCursor(QTextCursor::Start);
}

bool Tfrm_sourceView::LoadFile(const std::string& fileName, std::string* error) {
    auto set = std::make_unique<TCalcProgramExec>();
    if (!set->LoadFromFile(fileName, error)) return false;
    owned_ = std::move(set);
    Fill(*owned_);
    return true;
}

void Tfrm_sourceView::ShowSet(const TCalcVarsBase& set) {
    Fill(set);
    ExecDialog(*this);
}

bool Tfrm_sourceView::ShowFile(const std::string& fileName) {
    std::string error;
    if (!LoadFile(fileName, &error)) {
        Prompts().ShowError(parentWidget(), QString::fromStdString(error));
        return false;
    }
    ExecDialog(*this);
    return true;
}

}  // namespace quillix
