// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/unit_converter_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "convert/converter_choice.h"
#include "convert/custom_units.h"
#include "convert/unit_converter.h"
#include "drop_down/calc_drop_down.h"
#include "launchers.h"
#include "platform/app_units.h"
#include "platform/dialog_driver.h"
#include "platform/help_topics.h"
#include "tools/custom_units_dialog.h"
#include "tools/decimal_places_box.h"
#include "tools/tool_fields.h"
#include "tools/unit_list_filter.h"

namespace quillix {
namespace {

QString Text(const std::optional<std::string>& name) {
    return QString::fromStdString(name.value_or(std::string()));
}

// The unit chosen in a list, whatever is being typed into it.
std::string UnitName(const QComboBox* list) {
    return list->itemText(list->currentIndex()).toStdString();
}

// Selects the item whose data is id; none is selected when no item has it.
void SelectById(QComboBox* list, int id) {
    const int index = list->findData(id);
    if (index >= 0) list->setCurrentIndex(index);
}

}  // namespace

Tfrm_unitconv::Tfrm_unitconv(QWidget* parent) : QDialog(parent), registry_(AppConvRegistry()) {
    setWindowTitle(QStringLiteral("Unit Converter"));
    category_ = PickList(this, {}, -1, QStringLiteral("Category"));
    from_ = PickList(this, {}, -1, QStringLiteral("Convert from"));
    to_ = PickList(this, {}, -1, QStringLiteral("Convert to"));
    fromBox_ = NumberBox(this, QStringLiteral("Value to convert"));
    toBox_ = NumberBox(this, QStringLiteral("Converted value"));
    toBox_->Edit()->setReadOnly(true);
    convert_ = new QPushButton(QStringLiteral("&Convert"), this);
    options_ = new QPushButton(QStringLiteral("&Options"), this);
    options_->setAccessibleDescription(QStringLiteral("Adds and removes custom units"));
    help_ = TopicHelpButton(this, kHelpUnitConverter);
    decimalPlaces_ = new TDecimalPlacesBox(this);
    swap_ = new QToolButton(this);
    swap_->setText(QStringLiteral("\u21c4"));
    swap_->setAccessibleName(QStringLiteral("Swap units"));
    swap_->setToolTip(QStringLiteral("Swap the units (From \u21c4 To)"));
    for (QComboBox* list : {from_, to_})
        AddUnitListFilter(list);

    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QStringLiteral("Category:"), category_, this), category_);
    form->addRow(BuddyLabel(QStringLiteral("Convert From:"), from_, this), from_);
    auto* toRow = new QHBoxLayout;
    toRow->addWidget(to_, 1);
    toRow->addWidget(swap_);
    form->addRow(BuddyLabel(QStringLiteral("Convert To:"), to_, this), toRow);
    form->addRow(BuddyLabel(QStringLiteral("From:"), fromBox_, this), fromBox_);
    form->addRow(BuddyLabel(QStringLiteral("To:"), toBox_, this), toBox_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BuddyLabel(QStringLiteral("Decimal places:"), decimalPlaces_, this));
    buttons->addWidget(decimalPlaces_);
    buttons->addStretch(1);
    buttons->addWidget(convert_);
    buttons->addWidget(options_);
    buttons->addWidget(help_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    NoDefaultButtons(*this);
    convert_->setDefault(true);  // Enter in "From:" converts

    for (TConvFamily family : registry_.Families())
        category_->addItem(Text(registry_.FamilyName(family)), family);
    connect(category_, &QComboBox::currentIndexChanged, this, &Tfrm_unitconv::FillUnits);
    SelectRemembered();

    connect(convert_, &QPushButton::clicked, this, &Tfrm_unitconv::Convert);
    // Converts as the number is typed and as a unit is picked.
    connect(fromBox_, &TCalcDropDown::valueChanged, this, &Tfrm_unitconv::ConvertAsTyped);
    for (QComboBox* list : {from_, to_})
        connect(list, &QComboBox::currentIndexChanged, this, &Tfrm_unitconv::ConvertAsTyped);
    connect(swap_, &QToolButton::clicked, this, &Tfrm_unitconv::SwapUnits);
    connect(options_, &QPushButton::clicked, this, &Tfrm_unitconv::OpenOptions);
    connect(decimalPlaces_, &TDecimalPlacesBox::formatChanged, this,
            [this] { ShowBoxValues(*this); });
    // The custom units could not be read, or their file not rewritten.
    if (const std::string& error = AppCustomUnits().FileError(); !error.empty())
        Prompts().ShowWarning(this, QString::fromStdString(error));
}

void Tfrm_unitconv::FillUnits() {
    from_->clear();
    to_->clear();
    const QVariant family = category_->currentData();
    if (!family.isValid()) return;
    for (TConvType unit : registry_.UnitsOf(static_cast<TConvFamily>(family.toInt()))) {
        const QString name = Text(registry_.UnitName(unit));
        from_->addItem(name, unit);
        to_->addItem(name, unit);
    }
}

void Tfrm_unitconv::SelectRemembered() {
    const TConverterChoice choice = ReadConverterChoice(AppCustomUnits().IniPath());
    const std::optional<TConverterSelection> selection = ResolveConverterChoice(registry_, choice);
    if (!selection) return;
    SelectById(category_, selection->family);
    FillUnits();  // also when the family was already the current item
    if (selection->from) SelectById(from_, *selection->from);
    if (selection->to) SelectById(to_, *selection->to);
}

void Tfrm_unitconv::Convert() {
    RunReportingFailure(this, [this] {
        const long double value = BoxNumber(*fromBox_);
        // The family by the name shown; a family removed meanwhile keeps its id,
        // and the conversion then reports the units as incompatible.
        const TConvFamily family =
            registry_.FindFamily(category_->currentText().toStdString())
                .value_or(static_cast<TConvFamily>(category_->currentData().toInt()));
        const long double result =
            ConvertUnitsByName(registry_, family, UnitName(from_), UnitName(to_), value);
        toBox_->AssignNumber(cvNumber, result);
    });
}

void Tfrm_unitconv::ConvertAsTyped() {
    if (from_->currentIndex() < 0 || to_->currentIndex() < 0) return;
    // Quietly: a number half typed or an error in "From:" keeps the last
    // result; "Convert" says why.
    try {
        const TConvFamily family = static_cast<TConvFamily>(category_->currentData().toInt());
        toBox_->AssignNumber(cvNumber, ConvertUnitsByName(registry_, family, UnitName(from_),
                                                          UnitName(to_), BoxNumber(*fromBox_)));
    } catch (const ECalcError&) {
    } catch (const EConversionError&) {
    }
}

void Tfrm_unitconv::SwapUnits() {
    const int from = from_->currentIndex();
    const QSignalBlocker quiet(from_);  // one conversion, after both moved
    from_->setCurrentIndex(to_->currentIndex());
    to_->setCurrentIndex(from);
    from_->setEditText(from_->itemText(from_->currentIndex()));
}

void Tfrm_unitconv::OpenOptions() {
    // The lists are not refilled: a new family shows at the next opening, new
    // units of a listed family when it is chosen again.
    Tfrm_unitconvoptions options(this);
    ExecDialog(options);
}

void Tfrm_unitconv::RememberChoice() {
    const TConverterChoice choice{category_->currentText().toStdString(), UnitName(from_),
                                  UnitName(to_)};
    std::string error;
    if (!WriteConverterChoice(AppCustomUnits().IniPath(), choice, &error))
        Prompts().ShowWarning(this, QString::fromStdString(error));
}

void Tfrm_unitconv::done(int result) {
    RememberChoice();
    QDialog::done(result);
}

void RunUnitConverter(QWidget* parent) {
    Tfrm_unitconv window(parent);
    ExecDialog(window);
}

}  // namespace quillix
