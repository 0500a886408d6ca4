// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help_topics.h"

#include <QFile>

#include "functions/func_catalogue.h"

namespace quillix {
namespace {

struct TKeyTopic {
    int Context;
    const char* Title;
    const char* Text;
};

// The keypad's buttons.
constexpr TKeyTopic kKeyTopics[] = {
    {100100, "Keypad", "The keypad: type numbers, apply operators and functions, store results."},
    {100101, "0", "Types the digit 0."},
    {100102, "00", "Types two zeros."},
    {100103, "000", "Types three zeros."},
    {100104, "1", "Types the digit 1."},
    {100105, "2", "Types the digit 2."},
    {100106, "3", "Types the digit 3."},
    {100107, "4", "Types the digit 4."},
    {100108, "5", "Types the digit 5."},
    {100109, "6", "Types the digit 6."},
    {100110, "7", "Types the digit 7."},
    {100111, "8", "Types the digit 8."},
    {100112, "9", "Types the digit 9."},
    {100113, "+/-", "Changes the sign of the number being typed, or of X (key F9)."},
    {100114, ".", "Types the decimal point."},
    {100115, "e", "Starts the exponent of the number being typed: 1e5 is 100000 (key E)."},
    {100116, "+", "Adds the next value."},
    {100117, "-", "Subtracts the next value."},
    {100118, "*", "Multiplies by the next value."},
    {100119, "/", "Divides by the next value."},
    {100120, "=", "Completes the calculation (ALG), or enters X onto the stack (RPN: Enter)."},
    {100121, "%", "Percent: takes X as a percentage of the value before the operator."},
    {100122, "1/x", "The reciprocal of X (the function Recip)."},
    {100123, "^", "Raises to the power of the next value."},
    {100124, "Mod", "The remainder of an integer division by the next value."},
    {100125, "BS", "Deletes the last character typed (key Backspace)."},
    {100126, "C", "Clears the calculation (keys Delete and Escape)."},
    {100127, "RPN", "Switches to reverse Polish input: operands first, then the operator."},
    {100128, "ALG", "Switches to algebraic input: operators between operands, left to right."},
    {100129, "Date", "Picks a date on a calendar and enters it as X."},
    {100200, "==", "Compares: 1 when equal to the next value, else 0."},
    {100201, "<=", "Compares: 1 when less than or equal to the next value, else 0."},
    {100202, "<", "Compares: 1 when less than the next value, else 0."},
    {100203, ">", "Compares: 1 when greater than the next value, else 0."},
    {100204, ">=", "Compares: 1 when greater than or equal to the next value, else 0."},
    {100205, "<>", "Compares: 1 when different from the next value, else 0."},
    {100206, "And", "Logical and with the next value (bitwise on integers)."},
    {100207, "Or", "Logical or with the next value (bitwise on integers)."},
    {100208, "Xor", "Logical exclusive or with the next value (bitwise on integers)."},
    {100209, "Not", "Logical not of X (the function Not)."},
    {100210, "V+", "Stores X as a new variable of the program."},
    {100211, "V=", "Completes the calculation and gives its result to an existing variable."},
};

constexpr int kFunctionTopicBase = 300000;

const TKeyTopic* FindKeyTopic(int context) {
    for (const TKeyTopic& topic : kKeyTopics)
        if (topic.Context == context) return &topic;
    return nullptr;
}

const TFuncDataItem* FunctionOfTopic(int context) {
    for (int id = 1; id <= FuncCount; ++id) {
        const TFuncDataItem* item = FindFunc(id);
        if (item && (item->HelpContext == context || FunctionTopic(id) == context)) return item;
    }
    return nullptr;
}

QString Escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString Page(const QString& title, const QString& body) {
    return QStringLiteral(
               "<html><body><h2>%1</h2>%2<hr><p><a href=\"topic:1000\">Using "
               "Quillix</a></p></body></html>")
        .arg(title.toHtmlEscaped(), body);
}

QString FunctionPage(const TFuncDataItem& item) {
    QString body = QStringLiteral("<p>%1</p><p>Category: %2</p>")
                       .arg(Escaped(item.Description), Escaped(item.Category));
    if (item.Params.empty()) {
        body += item.ParamCount == 1 ? QStringLiteral(
                                           "<p>Applies to X: choose it from the Functions menu "
                                           "or a function pad button.</p>")
                                     : QStringLiteral("<p>Takes no arguments.</p>");
    } else {
        body += QStringLiteral("<p>Its arguments are asked in the parameter dialog:</p><ul>");
        for (const TFuncParamDef& param : item.Params) {
            QString extra;
            if (param.IsArray) extra = QStringLiteral(" (a list of numbers)");
            if (param.HasDefault)
                extra =
                    QStringLiteral(" (default %1)").arg(static_cast<double>(param.DefaultValue));
            body += QStringLiteral("<li><b>%1</b>: %2%3</li>")
                        .arg(Escaped(param.Name), Escaped(param.Description), extra);
        }
        body += QStringLiteral("</ul>");
    }
    return Page(QString::fromStdString(item.Name), body);
}

QString StaticPage(int context) {
    QFile file(QStringLiteral(":/help/%1.html").arg(context));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

int FunctionTopic(int funcID) {
    return kFunctionTopicBase + funcID;
}

bool IsFunctionTopic(int context) {
    return FunctionOfTopic(context) != nullptr;
}

QString HelpTopicTitle(int context) {
    if (const TKeyTopic* topic = FindKeyTopic(context))
        return QStringLiteral("Keypad: %1").arg(QString::fromLatin1(topic->Title));
    if (const TFuncDataItem* item = FunctionOfTopic(context))
        return QString::fromStdString(item->Name);
    switch (context) {
        case kHelpGuide:
            return QStringLiteral("Using Quillix");
        case kHelpFinanceBox:
            return QStringLiteral("Finance Box");
        case kHelpUnitConverter:
            return QStringLiteral("Unit Converter");
        case kHelpDateCalculations:
            return QStringLiteral("Date Calculations");
        case kHelpWhatIf:
            return QStringLiteral("What-If");
        case kHelpGoalSeek:
            return QStringLiteral("Goal Seek");
        default:
            return {};
    }
}

QString HelpPopupText(int context) {
    if (const TKeyTopic* topic = FindKeyTopic(context)) return QString::fromLatin1(topic->Text);
    if (const TFuncDataItem* item = FunctionOfTopic(context))
        return QStringLiteral("%1: %2").arg(QString::fromStdString(item->Name),
                                            QString::fromStdString(item->Description));
    return HelpTopicTitle(context);
}

QString HelpPageHtml(int context) {
    if (const TKeyTopic* topic = FindKeyTopic(context)) {
        return Page(HelpTopicTitle(context),
                    QStringLiteral("<p>%1</p><p>See <a href=\"topic:%2\">the keypad</a>.</p>")
                        .arg(QString::fromLatin1(topic->Text).toHtmlEscaped())
                        .arg(kHelpGuide));
    }
    if (const TFuncDataItem* item = FunctionOfTopic(context)) return FunctionPage(*item);
    const QString page = StaticPage(context);
    if (!page.isEmpty()) return page;
    return Page(QStringLiteral("Help"),
                QStringLiteral("<p>There is no help topic number %1.</p>").arg(context));
}

std::vector<int> HelpTopics() {
    std::vector<int> topics{kHelpGuide,  kHelpFinanceBox, kHelpUnitConverter, kHelpDateCalculations,
                            kHelpWhatIf, kHelpGoalSeek};
    for (const TKeyTopic& topic : kKeyTopics)
        topics.push_back(topic.Context);
    for (int id = 1; id <= FuncCount; ++id) {
        const TFuncDataItem* item = FindFunc(id);
        if (item) topics.push_back(item->HelpContext != 0 ? item->HelpContext : FunctionTopic(id));
    }
    return topics;
}

}  // namespace quillix
