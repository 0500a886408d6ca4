// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The variables the what-if windows offer, in the document's order, as the
// core rules them: inputs (a plain number, no formula) and outputs (any).

#include <QString>
#include <QStringList>

namespace quillix {

class ICalcVarsBase;

QStringList InputChoices(ICalcVarsBase& vars);
QStringList OutputChoices(ICalcVarsBase& vars);
// The first variable whose role is output, or "".
QString FirstOutputRole(ICalcVarsBase& vars);

}  // namespace quillix
