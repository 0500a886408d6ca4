// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/decimal_places_box.h"

#include "model/format_indicator.h"
#include "model/value_format.h"
#include "platform/value_format_notice.h"

namespace quillix {

TDecimalPlacesBox::TDecimalPlacesBox(QWidget* parent) : QComboBox(parent) {
    addItem(QStringLiteral("Default"));
    for (int decimals = 0; decimals <= 18; ++decimals)
        addItem(QString::number(decimals));
    setCurrentIndex(CurrentFormatIndex());
    setAccessibleName(QStringLiteral("Decimal places"));
    setToolTip(QString::fromLatin1(kFixedDecimalsRule));
    setAccessibleDescription(toolTip());
    // Connected after the first selection, so that opening changes nothing.
    connect(this, &QComboBox::currentIndexChanged, this, &TDecimalPlacesBox::Apply);
}

int TDecimalPlacesBox::CurrentFormatIndex() {
    if (ValueFormatSettings().ValueFormat == kGeneralFormat) return 0;
    return EffectiveValueDigits() + 1;
}

void TDecimalPlacesBox::Apply(int index) {
    if (index < 0) return;
    SetValueFormat(index - 1);  // "Default" (index 0) selects the general format
    AnnounceValueFormatChanged();
    emit formatChanged();
}

}  // namespace quillix
