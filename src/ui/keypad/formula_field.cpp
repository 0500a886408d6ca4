// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad/formula_field.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <utility>

#include "functions/func_catalogue.h"
#include "keypad/formula_reading.h"
#include "model/calc_vars_intf.h"
#include "model/formula_names.h"
#include "platform/user_prompts.h"
#include "vars/user_func_folder.h"

namespace quillix {
namespace {

void AddLibraryNames(const TUserFuncFolder& folder, QStringList& names) {
    for (const auto& subfolder : folder.Subfolders())
        AddLibraryNames(*subfolder, names);
    for (const auto& object : folder.Files())
        names << QString::fromStdString(object->Name());
}

// The name the caret stands in or right after, in positions of the text.
std::optional<std::pair<int, int>> NameAtCaret(const QString& text, int caret) {
    const std::optional<TNameSpan> span = NameAt(text.toStdString(), Utf8Offset(text, caret));
    if (!span) return std::nullopt;
    return std::pair{TextPosition(text, span->Start), TextPosition(text, span->End)};
}

}  // namespace

QString FunctionAtCaret(const QString& text, int caret) {
    caret = std::clamp(caret, 0, static_cast<int>(text.size()));
    return QString::fromStdString(FunctionAtOffset(text.toStdString(), Utf8Offset(text, caret)));
}

// The edit: Enter and Escape belong to the field, except while the completion
// list is open (then they choose or close the list).
class TFormulaLine final : public QLineEdit {
  public:
    TFormulaLine(TFormulaField& field, QWidget* parent) : QLineEdit(parent), field_(field) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        QAbstractItemView* list = field_.completer_->popup();
        if (list->isVisible()) {
            // Enter on a chosen name takes it; with none chosen it reads the text.
            const bool choosing = enter && list->currentIndex().isValid();
            if (choosing || key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab) {
                event->ignore();
                return;
            }
            if (enter) list->hide();
        }
        if (enter) {
            field_.Submit();
            event->accept();
            return;
        }
        if (key == Qt::Key_Escape) {
            field_.Escape();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        // Variables come and go while the field is elsewhere.
        field_.RefreshNames();
        QLineEdit::focusInEvent(event);
    }

  private:
    TFormulaField& field_;
};

TFormulaField::TFormulaField(QWidget* parent, TInsert insert)
    : QWidget(parent), insert_(std::move(insert)) {
    edit_ = new TFormulaLine(*this, this);
    edit_->setObjectName(QStringLiteral("ed_Formula"));
    edit_->setAccessibleName(QStringLiteral("Formula"));
    edit_->setAccessibleDescription(
        QStringLiteral("Type a formula and press Enter to insert its value; Escape empties "
                       "the field, a second Escape leaves it"));
    // Never the focus a window gives its first control on showing: the keys
    // belong to the calculation until a click or Ctrl+L.
    edit_->setFocusPolicy(Qt::ClickFocus);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lb_FormulaStatus"));
    status_->setAccessibleName(QStringLiteral("Formula message"));
    status_->setWordWrap(true);
    // A long description must not widen the keypad.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont small = status_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    status_->setFont(small);
    status_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(edit_);
    layout->addWidget(status_);

    names_ = new QStringListModel(this);
    SetTypedFormulas(false);
    completer_ = new QCompleter(names_, this);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setWidget(edit_);
    RefreshNames();

    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& name) { Complete(name); });
    connect(edit_, &QLineEdit::textEdited, this, [this] { TextEdited(); });
    connect(edit_, &QLineEdit::cursorPositionChanged, this, [this] { ShowHint(); });
}

QLineEdit* TFormulaField::Edit() const {
    return edit_;
}

void TFormulaField::TakeFocus() {
    edit_->setFocus(Qt::ShortcutFocusReason);
    edit_->selectAll();
}

bool TFormulaField::Submit() {
    const QString text = edit_->text();
    if (text.trimmed().isEmpty()) return false;
    FormulaReadResult read = ReadProgramFormula(text);
    if (!read.ok()) {
        Prompts().Beep();
        error_ = true;
        edit_->setCursorPosition(ErrorPosition(text, *read.error));
        ShowStatus(QString::fromStdString(read.error->message), true);
        return false;
    }
    insert_(std::move(read.value));
    // The text stays for another try; the keys go back to the calculation.
    Leave();
    return true;
}

void TFormulaField::Leave() {
    completer_->popup()->hide();
    error_ = false;
    ShowStatus({}, false);
    edit_->clearFocus();
}

void TFormulaField::Escape() {
    if (edit_->text().isEmpty()) {
        Leave();
        return;
    }
    // Undoable like any edit: Ctrl+Z brings the text back.
    edit_->selectAll();
    edit_->del();
    error_ = false;
    ShowStatus({}, false);
}

void TFormulaField::TextEdited() {
    error_ = false;
    ShowHint();
    const QString text = edit_->text();
    const int caret = edit_->cursorPosition();
    const auto name = NameAtCaret(text, caret);
    const QString prefix = name ? text.mid(name->first, caret - name->first) : QString();
    if (prefix.isEmpty()) {
        completer_->popup()->hide();
        return;
    }
    completer_->setCompletionPrefix(prefix);
    const bool done = completer_->completionCount() == 1 &&
                      completer_->currentCompletion().compare(prefix, Qt::CaseInsensitive) == 0;
    if (completer_->completionCount() == 0 || done) {
        completer_->popup()->hide();
        return;
    }
    completer_->popup()->setCurrentIndex(QModelIndex());
    completer_->complete();
}

void TFormulaField::Complete(const QString& name) {
    const QString text = edit_->text();
    const int caret = edit_->cursorPosition();
    const auto typed = NameAtCaret(text, caret);
    const int start = typed ? typed->first : caret;
    edit_->setSelection(start, caret - start);
    edit_->insert(name);
}

void TFormulaField::SetTypedFormulas(bool on) {
    edit_->setPlaceholderText(on ? QStringLiteral("Type a formula")
                                 : QStringLiteral("Formula (Ctrl+L)"));
    waysHint_ = QStringLiteral(
        "Type a formula here and press Enter for its value: click here or press Ctrl+L, or "
        "choose Options \u203a Keyboard: typed formulas and just type in the window.");
    if (status_->text().isEmpty()) edit_->setToolTip(waysHint_);
}

void TFormulaField::ShowHint() {
    if (error_) return;
    const QString name = FunctionAtCaret(edit_->text(), edit_->cursorPosition());
    const TFuncDataItem* row = name.isEmpty() ? nullptr : FindFuncByName(name.toStdString());
    ShowStatus(
        row ? name + QStringLiteral(": ") + QString::fromStdString(row->Description) : QString(),
        false);
}

void TFormulaField::ShowStatus(const QString& text, bool error) {
    status_->setText(text);
    status_->setToolTip(text);
    edit_->setToolTip(text.isEmpty() ? waysHint_ : text);
    QPalette palette = this->palette();
    if (error) palette.setColor(QPalette::WindowText, Qt::red);
    status_->setPalette(palette);
    status_->setVisible(!text.isEmpty());
}

void TFormulaField::RefreshNames() {
    QStringList names;
    for (const std::string& name : FormulaFunctionNames())
        names << QString::fromStdString(name);
    if (ICalcVars* vars = CalcVarsIntf()) {
        std::vector<std::string> variables;
        vars->GetNames(variables);
        for (const std::string& name : variables)
            names << QString::fromStdString(name);
    }
    if (IUserFuncFolder* functions = UserFunctionsIntf())
        AddLibraryNames(functions->GetFolder(), names);
    names.removeDuplicates();
    names_->setStringList(names);
}

}  // namespace quillix

#include "moc_formula_field.cpp"
