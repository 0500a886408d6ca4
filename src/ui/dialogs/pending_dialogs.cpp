// The dialogs not built yet: their commands are disabled (DialogAvailable says
// false), and these bodies are never reached through them.
#include "dialogs/dialog_launchers.h"
#include "model/calc_operate.h"

namespace quillix {

std::unique_ptr<TCalcOperate> RunFunctionParamDialog(QWidget*, const TFuncDataItem&, bool) {
    return nullptr;
}
bool RunDateValueDialog(QWidget*, double&) {
    return false;
}
void RunUnitConverter(QWidget*) {}
void RunFinanceBox(QWidget*) {}
void RunDateCalculations(QWidget*) {}
bool RunVariableProperties(QWidget*, TCalcValueWarper&) {
    return false;
}
bool RunProgramProperties(QWidget*, ICalcVars&) {
    return false;
}
void RunCreateFunction(QWidget*, ICalcVars&) {}
bool RunOptions(QWidget*) {
    return false;
}
void RunAbout(QWidget*) {}

}  // namespace quillix
