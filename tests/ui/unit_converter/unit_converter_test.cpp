// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/unit_converter_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "convert/converter_choice.h"
#include "convert/custom_units.h"
#include "drop_down/calc_drop_down.h"
#include "platform/app_units.h"
#include "platform/help_request.h"
#include "support/ui_environment.h"
#include "tools/custom_units_dialog.h"
#include "tools/decimal_places_box.h"

namespace quillix::test {
namespace {

class UnitConverter : public ::testing::Test {
  protected:
    TUiEnvironment env;

    std::string IniPath() const { return CustomUnitsPath(env.Home()); }
    static void Choose(QComboBox* list, const QString& text) {
        const int index = list->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        list->setCurrentIndex(index);
    }
    static void Choose(Tfrm_unitconv& window, const QString& category, const QString& from,
                       const QString& to) {
        Choose(window.Category(), category);
        Choose(window.ConvertFrom(), from);
        Choose(window.ConvertTo(), to);
    }
    static QStringList Items(const QComboBox* list) {
        QStringList items;
        for (int index = 0; index < list->count(); ++index)
            items.append(list->itemText(index));
        return items;
    }
    static QStringList Row(const QTableWidget* table, int row) {
        return {table->item(row, 0)->text(), table->item(row, 1)->text(),
                table->item(row, 2)->text()};
    }
};

TEST_F(UnitConverter, FirstOpeningShowsTheFirstFamilyAndItsFirstUnit) {
    Tfrm_unitconv window;
    EXPECT_EQ(window.windowTitle(), "Unit Converter");
    EXPECT_EQ(Items(window.Category()).mid(0, 6),
              QStringList({"Distance", "Area", "Volume", "Mass", "Temperature", "Time"}));
    EXPECT_EQ(window.Category()->currentText(), "Distance");
    EXPECT_EQ(window.ConvertFrom()->currentText(), "Micromicrons");
    EXPECT_EQ(window.ConvertTo()->currentText(), "Micromicrons");
    EXPECT_EQ(Items(window.ConvertFrom()), Items(window.ConvertTo()));
    EXPECT_EQ(window.ConvertFrom()->count(), 31);
    EXPECT_FALSE(window.Category()->isEditable());
}

TEST_F(UnitConverter, ConvertRoundsToFifteenSignificantDigits) {
    const struct {
        const char *category, *from, *to;
        double value;
        const char* shown;
    } cases[] = {
        {"Distance", "Feet", "Inches", 1, "12"},
        {"Distance", "Miles", "Kilometers", 1, "1.609344"},
        {"Temperature", "Celsius", "Fahrenheit", 100, "212"},
        {"Time", "Years", "Days", 1, "365.25"},
    };
    Tfrm_unitconv window;
    window.show();
    for (const auto& c : cases) {
        Choose(window, c.category, c.from, c.to);
        window.FromBox().AssignNumber(cvNumber, c.value);
        window.ConvertButton()->click();
        EXPECT_EQ(window.ToBox().Edit()->text(), c.shown) << c.from << " to " << c.to;
        EXPECT_EQ(window.ToBox().Value().CVType(), cvNumber);
    }
    EXPECT_EQ(window.ToBox().Value().Number(), 365.25L);
}

TEST_F(UnitConverter, TheChoiceIsRememberedAcrossOpeningsBesideTheCustomUnits) {
    env.HomeFolder().Write("unitconv.ini",
                           "[CustomTypes]\nSmoots=Distance\n[CustomFactors]\nSmoots=1.7018\n");
    {
        Tfrm_unitconv first;
        first.show();
        Choose(first, "Temperature", "Fahrenheit", "Celsius");
        first.reject();  // Escape, the close button and the window manager all end here
    }
    const TConverterChoice stored = ReadConverterChoice(IniPath());
    EXPECT_EQ(stored.category, "Temperature");
    EXPECT_EQ(stored.from, "Fahrenheit");
    EXPECT_EQ(stored.to, "Celsius");
    EXPECT_EQ(ReadCustomUnitEntries(IniPath()).size(), 1u);

    Tfrm_unitconv second;
    EXPECT_EQ(second.Category()->currentText(), "Temperature");
    EXPECT_EQ(second.ConvertFrom()->currentText(), "Fahrenheit");
    EXPECT_EQ(second.ConvertTo()->currentText(), "Celsius");
    Choose(second.Category(), "Distance");
    EXPECT_EQ(second.ConvertFrom()->itemText(second.ConvertFrom()->count() - 1), "Smoots");
}

TEST_F(UnitConverter, AFailedConversionIsShownAndKeepsTheResult) {
    env.Prompts().ExpectMessages();
    Tfrm_unitconv window;
    Choose(window, "Distance", "Feet", "Inches");
    window.FromBox().AssignNumber(cvNumber, 2);
    window.ConvertButton()->click();
    ValueRef failed = TCalcValue::New();
    failed->SetError("Floating point overflow");
    window.FromBox().AssignValue(*failed);
    window.ConvertButton()->click();
    EXPECT_EQ(env.Prompts().Messages(), QStringList{"Floating point overflow"});
    EXPECT_EQ(env.Prompts().Records()[0].Kind, "warning");
    EXPECT_EQ(window.ToBox().Edit()->text(), "24");
}

TEST_F(UnitConverter, AFactorThatIsNoNumberIsRefusedAndAddsNothing) {
    env.Prompts().ExpectMessages();
    Tfrm_unitconvoptions options;
    EXPECT_EQ(options.windowTitle(), "Custom");
    options.Category()->setEditText("Distance");
    options.Unit()->setText("Smoots");
    options.Factor()->setText("abc");
    options.AddButton()->click();
    EXPECT_EQ(env.Prompts().Messages(), QStringList{"'abc' is not a valid floating point value"});
    EXPECT_EQ(options.Units()->rowCount(), 0);
    EXPECT_TRUE(ReadCustomUnitEntries(IniPath()).empty());
    const TConvRegistry& registry = AppConvRegistry();
    EXPECT_FALSE(registry.FindUnit(*registry.FindFamily("Distance"), "Smoots"));
}

TEST_F(UnitConverter, AddAndRemoveChangeTheRegistryTheFileAndTheTable) {
    env.Prompts().ExpectMessages();
    Tfrm_unitconvoptions options;
    EXPECT_EQ(options.Category()->currentText(), "Distance");
    options.Unit()->setText("Smoots");
    options.Factor()->setText("");
    options.AddButton()->click();  // an empty text: nothing at all
    EXPECT_EQ(options.Units()->rowCount(), 0);

    const struct {
        const char *category, *unit, *factor;
    } units[] = {{"Distance", "Smoots", "1.7018"}, {"Beauty", "Millihelens", "0.001"}};
    for (const auto& u : units) {
        options.Category()->setEditText(u.category);
        options.Unit()->setText(u.unit);
        options.Factor()->setText(u.factor);
        options.AddButton()->click();
    }
    ASSERT_EQ(options.Units()->rowCount(), 2);
    EXPECT_EQ(Row(options.Units(), 1), QStringList({"Beauty", "Millihelens", "0.001"}));
    EXPECT_EQ(ReadCustomUnitEntries(IniPath()).size(), 2u);

    options.Category()->setEditText("distance");  // the same name in other letter case
    options.Unit()->setText("SMOOTS");
    options.Factor()->setText("2");
    options.AddButton()->click();
    EXPECT_EQ(env.Prompts().Messages(),
              QStringList{"Conversion type (SMOOTS) already registered in Distance"});
    EXPECT_EQ(options.Units()->rowCount(), 2);

    TConvRegistry& registry = AppConvRegistry();
    ASSERT_TRUE(registry.FindFamily("Beauty"));
    options.Units()->selectRow(1);
    options.RemoveButton()->click();
    EXPECT_EQ(options.Units()->rowCount(), 1);
    EXPECT_FALSE(registry.FindFamily("Beauty"));  // its only unit went
    EXPECT_EQ(ReadCustomUnitEntries(IniPath()).size(), 1u);

    Tfrm_unitconvoptions reopened;
    ASSERT_EQ(reopened.Units()->rowCount(), 1);
    EXPECT_EQ(Row(reopened.Units(), 0), QStringList({"Distance", "Smoots", "1.7018"}));
}

// A custom unit whose file cannot take it (a read-only file) is added or
// removed for this run, and the user is told that the file did not take it.
TEST_F(UnitConverter, AUnitsFileThatCannotBeWrittenIsShown) {
    env.Prompts().ExpectMessages();
    const std::string units = "[CustomTypes]\nSmoots=Distance\n\n[CustomFactors]\nSmoots=1.7018\n";
    env.HomeFolder().Write("unitconv.ini", units);
    ASSERT_EQ(::chmod(IniPath().c_str(), 0444), 0);
    const QString refused =
        QString::fromStdString("Cannot write \"" + IniPath() + "\": the file is read-only");
    Tfrm_unitconvoptions options;
    ASSERT_EQ(options.Units()->rowCount(), 1);
    options.Category()->setEditText("Distance");
    options.Unit()->setText("Leagues");
    options.Factor()->setText("4828.032");
    options.AddButton()->click();
    EXPECT_EQ(options.Units()->rowCount(), 2);
    const TConvRegistry& registry = AppConvRegistry();
    EXPECT_TRUE(registry.FindUnit(*registry.FindFamily("Distance"), "Leagues"));
    options.Units()->selectRow(0);
    options.RemoveButton()->click();
    EXPECT_EQ(env.Prompts().Messages(), QStringList({refused, refused}));
    EXPECT_EQ(env.HomeFolder().Read("unitconv.ini"), units);
}

TEST_F(UnitConverter, AUnitsFileThatCannotBeReadIsShownWhenTheConverterOpens) {
    env.Prompts().ExpectMessages();
    env.HomeFolder().MakeDir("unitconv.ini");  // no file at all: a folder of that name
    Tfrm_unitconv window;
    EXPECT_EQ(env.Prompts().Messages(),
              QStringList{QString::fromStdString("Cannot read \"" + IniPath() + "\"")});
}

TEST_F(UnitConverter, OptionsDoNotRefillTheConverterLists) {
    Tfrm_unitconv window;
    window.show();
    env.Dialogs().ScriptFor<Tfrm_unitconvoptions>([](Tfrm_unitconvoptions& options) {
        for (auto [category, unit] : {std::pair{"Beauty", "Millihelens"}, {"Mass", "Slugs"}}) {
            options.Category()->setEditText(category);
            options.Unit()->setText(unit);
            options.Factor()->setText("14593.9");
            options.AddButton()->click();
        }
        options.reject();
        return options.result();
    });
    window.OptionsButton()->click();
    EXPECT_EQ(window.Category()->findText("Beauty"), -1);  // only at the next opening
    Choose(window.Category(), "Mass");
    EXPECT_EQ(window.ConvertFrom()->itemText(window.ConvertFrom()->count() - 1), "Slugs");
    Tfrm_unitconv next;
    EXPECT_GE(next.Category()->findText("Beauty"), 0);
}

TEST_F(UnitConverter, DecimalPlacesRedrawTheBoxesAndHelpOpensItsTopic) {
    Tfrm_unitconv window;
    Choose(window, "Distance", "Miles", "Kilometers");
    window.FromBox().AssignNumber(cvNumber, 1);
    window.ConvertButton()->click();
    window.DecimalPlaces()->setCurrentIndex(window.DecimalPlaces()->findText("2"));
    EXPECT_EQ(window.ToBox().Edit()->text(), "1.61");
    EXPECT_EQ(window.FromBox().Edit()->text(), "1.00");
    std::vector<int> topics;
    SetHelpTopicHandler([&](int context) { topics.push_back(context); });
    window.HelpButton()->click();
    SetHelpTopicHandler({});
    EXPECT_EQ(topics, std::vector<int>{1002});
    Tfrm_unitconvoptions options;
    for (QWidget* dialog : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&options)})
        for (QLabel* label : dialog->findChildren<QLabel*>())
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
}

// 100 km/h to mph by typing only: the result follows each digit, each unit
// picked and the swap, without pressing Convert.
TEST_F(UnitConverter, ConvertsAsTheUserTypesPicksAndSwaps) {
    Tfrm_unitconv window;
    window.show();
    Choose(window, "Speed", "KilometersPerHour", "MilesPerHour");
    QTest::keyClicks(window.FromBox().Edit(), "100");
    EXPECT_EQ(window.ToBox().Edit()->text(), "62.1371192237334");
    QTest::keyClick(window.FromBox().Edit(), Qt::Key_Backspace);  // "10"
    EXPECT_EQ(window.ToBox().Edit()->text(), "6.21371192237334");
    Choose(window.ConvertTo(), "MetersPerSecond");
    EXPECT_EQ(window.ToBox().Edit()->text(), "2.77777777777778");
    window.SwapButton()->click();
    EXPECT_EQ(window.ConvertFrom()->currentText(), "MetersPerSecond");
    EXPECT_EQ(window.ConvertTo()->currentText(), "KilometersPerHour");
    EXPECT_EQ(window.ToBox().Edit()->text(), "36");
    EXPECT_TRUE(env.Prompts().Messages().isEmpty());
}

// Typing into a unit list pops up the units that match, best first; Enter
// picks the best, and a text that matches nothing keeps the unit chosen.
TEST_F(UnitConverter, TypingFiltersTheUnitLists) {
    Tfrm_unitconv window;
    window.show();
    Choose(window, "Speed", "Knots", "Knots");
    const struct {
        const char* typed;
        const char* firstShown;  // empty: nothing matches
        const char* chosen;
    } rows[] = {
        {"mph", "MilesPerHour", "MilesPerHour"},
        {"km/h", "KilometersPerHour", "KilometersPerHour"},
        {"feet", "FeetPerSecond", "FeetPerSecond"},
        {"zzz", "", "FeetPerSecond"},
    };
    QComboBox* list = window.ConvertTo();
    for (const auto& row : rows) {
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), row.typed);
        const QAbstractItemModel* shown = list->completer()->completionModel();
        EXPECT_EQ(shown->rowCount() > 0 ? shown->index(0, 0).data().toString() : QString(),
                  row.firstShown)
            << row.typed;
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(list->itemText(list->currentIndex()), row.chosen) << row.typed;
        EXPECT_EQ(list->currentText(), row.chosen) << row.typed;
    }
    EXPECT_EQ(list->count(), 9);  // nothing typed became a unit
}

}  // namespace
}  // namespace quillix::test
