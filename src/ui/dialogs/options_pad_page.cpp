// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/options_pad_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/settings_table.h"
#include "functions/func_catalogue.h"

namespace quillix {

namespace {

QColor PadQColor(std::int32_t color) {
    const TPadRgb rgb = PadColorRgb(color);
    return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

struct TNamedColor {
    const char* Name;
    std::int32_t Value;  // 0x00BBGGRR
};

// The standard colours of the "FontColor:" list.
constexpr TNamedColor kPadColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
};

QIcon ColorSwatch(std::int32_t color) {
    QPixmap swatch(16, 16);
    swatch.fill(PadQColor(color));
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(swatch);
}

}  // namespace

// One button of the page's pad, as the pad creator drives it.
class TOptionsPadButton final : public QPushButton, public IFuncPadButton {
  public:
    TOptionsPadButton(const QString& name, QWidget* parent) : QPushButton(parent) {
        setObjectName(name);
        setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("MMMMMM")));
    }
    void SetCaption(const std::string& caption) override {
        // A caption is shown as written, "&" included.
        setText(QString::fromStdString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
        setAccessibleName(QString::fromStdString(PadButtonAccessibleName(caption, tag_)));
    }
    void SetFontColor(std::int32_t color) override {
        QPalette colors = palette();
        colors.setColor(QPalette::ButtonText, PadQColor(color));
        setPalette(colors);
    }
    void SetHint(const std::string& hint) override { setToolTip(QString::fromStdString(hint)); }
    void SetHelpContext(int topic) override { setProperty("helpContext", topic); }
    void SetEnabled(bool enabled) override { setEnabled(enabled); }
    void SetTag(int tag) override { tag_ = tag; }
    int Tag() const { return tag_; }

  private:
    int tag_ = -1;
};

TOptionsPadPage::TOptionsPadPage(IConfigor& settings, QWidget* parent)
    : QWidget(parent), creator_(settings) {
    auto* layout = new QVBoxLayout(this);
    auto* pad = new QGridLayout();
    for (int row = 0; row < kPadRows; ++row) {
        for (int col = 0; col < kPadColumns; ++col) {
            auto* button =
                new TOptionsPadButton(QString::fromStdString(PadSectionName(row, col)), this);
            connect(button, &QPushButton::clicked, this,
                    [this, row, col] { EditButton(row, col); });
            pad->addWidget(button, row, col);
            buttons_.push_back(button);
        }
    }
    layout->addLayout(pad);

    auto* editor = new QGroupBox(this);
    auto* form = new QFormLayout(editor);
    group_ = new QComboBox(editor);
    function_ = new QComboBox(editor);
    caption_ = new QLineEdit(editor);
    color_ = new QComboBox(editor);
    form->addRow(QStringLiteral("&Group:"), group_);
    form->addRow(QStringLiteral("&Function:"), function_);
    form->addRow(QStringLiteral("&Caption:"), caption_);
    form->addRow(QStringLiteral("F&ont color:"), color_);
    layout->addWidget(editor);
    layout->addStretch(1);

    for (const TNamedColor& color : kPadColors)
        color_->addItem(ColorSwatch(color.Value), QString::fromLatin1(color.Name), color.Value);

    connect(group_, &QComboBox::activated, this, &TOptionsPadPage::ChooseGroup);
    connect(function_, &QComboBox::activated, this, &TOptionsPadPage::ChooseFunction);
    connect(color_, &QComboBox::activated, this, &TOptionsPadPage::ChooseColor);
    connect(caption_, &QLineEdit::textChanged, this, &TOptionsPadPage::CaptionEdited);

    // Empty buttons stay enabled here, so that they can be chosen and filled.
    creator_.Load(this, true);
    for (const std::string& category : FuncCategories())
        group_->addItem(QString::fromStdString(category));
    group_->setCurrentIndex(0);
    FillFunctions(group_->currentText());
}

TOptionsPadPage::~TOptionsPadPage() = default;

IFuncPadButton* TOptionsPadPage::FindButton(std::string_view name) {
    for (TOptionsPadButton* button : buttons_) {
        if (button->objectName().toStdString() == name) return button;
    }
    return nullptr;
}

QPushButton* TOptionsPadPage::PadButton(int row, int col) const {
    if (row < 0 || row >= kPadRows || col < 0 || col >= kPadColumns) return nullptr;
    return buttons_[static_cast<std::size_t>(row * kPadColumns + col)];
}

void TOptionsPadPage::FillFunctions(const QString& group) {
    function_->clear();
    function_->addItem(QString());
    for (const std::string& name : FuncNamesOf(group.toStdString()))
        function_->addItem(QString::fromStdString(name));
    function_->setCurrentIndex(0);
}

void TOptionsPadPage::ShowColor(std::int32_t color) {
    int index = color_->findData(color);
    if (index < 0) {
        // A colour of the settings file that the list does not name is kept.
        const int custom = std::size(kPadColors);
        if (color_->count() > custom) color_->removeItem(custom);
        color_->addItem(ColorSwatch(color), QStringLiteral("Custom"), color);
        index = custom;
    }
    color_->setCurrentIndex(index);
}

void TOptionsPadPage::EditButton(int row, int col) {
    const auto* button = static_cast<TOptionsPadButton*>(PadButton(row, col));
    TFuncPadItem* item = button ? creator_.ItemByTag(button->Tag()) : nullptr;
    // While the editor shows the item nothing is being edited, so that showing
    // it changes nothing.
    edited_ = nullptr;
    if (item == nullptr) return;
    const TFuncDataItem* function = FindFunc(item->FuncID);
    if (function == nullptr) function = FindFunc(FindFuncID(item->FuncName));
    if (function) {
        group_->setCurrentIndex(group_->findText(QString::fromStdString(function->Category)));
        FillFunctions(group_->currentText());
    }
    function_->setCurrentIndex(
        std::max(0, function_->findText(QString::fromStdString(item->FuncName))));
    caption_->setText(QString::fromStdString(item->Alias));
    ShowColor(item->FontColor);
    edited_ = item;
}

void TOptionsPadPage::ChooseGroup(int index) {
    group_->setCurrentIndex(index);
    FillFunctions(group_->currentText());
}

void TOptionsPadPage::ChooseFunction(int index) {
    function_->setCurrentIndex(index);
    if (edited_ == nullptr) return;
    const std::string name = function_->currentText().toStdString();
    edited_->FuncID = static_cast<std::uint8_t>(FindFuncID(name));
    // The name is proposed as the caption, which the caption's own rule stores.
    caption_->setText(QString::fromStdString(name));
    edited_->FuncName = name;
    RefreshEdited();
}

void TOptionsPadPage::ChooseColor(int index) {
    color_->setCurrentIndex(index);
    if (edited_ == nullptr) return;
    edited_->FontColor = color_->currentData().toInt();
    RefreshEdited();
}

void TOptionsPadPage::CaptionEdited(const QString& text) {
    if (edited_ == nullptr) return;
    edited_->Alias = text.toStdString();
    RefreshEdited();
}

void TOptionsPadPage::RefreshEdited() {
    if (edited_) creator_.Refresh(*edited_, true);
}

}  // namespace quillix
