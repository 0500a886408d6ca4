// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's texts about its value beyond the display: the fixed-format
// indicator, and Copy Value: the value for another program (every digit,
// never grouped) and, when it was computed, its formula as a second format
// that Paste puts back into the formula field.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <memory>

#include "engine/engine_readback.h"
#include "keypad/formula_field.h"
#include "keypad/keypad_frame.h"
#include "model/format_indicator.h"
#include "model/value_format.h"
#include "model/value_texts.h"

namespace quillix {

void Tfra_KeypadFW::ShowFixedFormat() {
    const TValueFormatRecord& record = ValueFormatSettings();
    const QString text = QString::fromStdString(FixedFormatIndicator(record));
    fixIndicator_->setText(text);
    fixIndicator_->setVisible(!text.isEmpty());
    // The digits never run under it.
    const int room = text.isEmpty() ? 0 : fixIndicator_->sizeHint().width() + 6;
    display_->setTextMargins(room, 0, 0, 0);
    display_->layout()->activate();
    fixIndicator_->setToolTip(QString::fromStdString(FixedFormatHint(record)));
    fixIndicator_->setAccessibleName(text.isEmpty() ? QStringLiteral("Number format") : text);
    fixIndicator_->setAccessibleDescription(fixIndicator_->toolTip());
}

void Tfra_KeypadFW::CopyValueToClipboard() {
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromStdString(CopyValueText(*engine_)));
    const ValueRef& x = engine_->Stack().X;
    if (!engine_->IsEntering() && x && FieldContentOf(*x) != TFieldContent::Number)
        data->setData(QString::fromLatin1(kFormulaMimeType),
                      QByteArray::fromStdString(x->GetFormulaText()));
    QGuiApplication::clipboard()->setMimeData(data.release());  // the clipboard owns it
}

bool Tfra_KeypadFW::PasteFormulaFromClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(QString::fromLatin1(kFormulaMimeType))) return false;
    formula_->Edit()->setText(QString::fromUtf8(data->data(QString::fromLatin1(kFormulaMimeType))));
    formula_->TakeFocus();
    return true;
}

}  // namespace quillix
