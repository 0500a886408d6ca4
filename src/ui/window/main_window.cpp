// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <climits>

#include "common/window_placement.h"
#include "config/calc_config.h"
#include "config/digits_choice.h"
#include "config/settings_table.h"
#include "diag/hook_help_system.h"
#include "keypad/keypad_frame.h"
#include "launchers.h"
#include "model/value_format.h"
#include "model/value_format_settings.h"
#include "platform/app_home.h"
#include "platform/app_icon.h"
#include "platform/help_request.h"
#include "platform/help_topics.h"
#include "platform/help_window.h"
#include "platform/hint_filter.h"
#include "platform/shared_resources.h"
#include "platform/skins.h"
#include "platform/user_prompts.h"
#include "platform/value_format_notice.h"
#include "vars/calc_vars.h"
#include "vars/document_title.h"
#include "vars/user_libraries.h"
#include "vars_view/vars_view.h"
#include "window/recovery_guard.h"
#include "window/tape_dock.h"
#include "window/tray_icon.h"
#include "window/undo_actions.h"

namespace quillix {
namespace {

constexpr const char* kHelpFileName = "Calc.chm";
// The initial client area, and the keypad's share of it.
constexpr int kClientWidth = 587;
constexpr int kClientHeight = 345;

IConfigor* Settings() {
    return ConfigorIntf;
}

// The screen a kept placement lands on: the one under its middle, else the
// primary one (a screen that was unplugged, or a hand-edited placement).
QScreen* ScreenOf(const TScreenRect& wanted) {
    const auto middle = [](int start, int length) {
        return static_cast<int>(std::clamp<long long>(start + length / 2LL, INT_MIN, INT_MAX));
    };
    const QPoint point(middle(wanted.Left, wanted.Width), middle(wanted.Top, wanted.Height));
    QScreen* screen = QGuiApplication::screenAt(point);
    return screen ? screen : QGuiApplication::primaryScreen();
}

// The kept placement inside the available area of its screen, and not below
// the window's usable size.
QRect PlacementOnScreen(const TScreenRect& wanted, const QSize& minimum) {
    TScreenRect placed = wanted;
    if (const QScreen* screen = ScreenOf(wanted)) {
        const QRect area = screen->availableGeometry();
        placed =
            ClampWindowPlacement(wanted, {area.left(), area.top(), area.width(), area.height()},
                                 minimum.width(), minimum.height());
    }
    return QRect(placed.Left, placed.Top, placed.Width, placed.Height);
}

}  // namespace

Tfrm_main::Tfrm_main(TDLogFile& log) : vars_(std::make_unique<TCalcVars>()), log_(log) {
    setObjectName(QStringLiteral("frm_main"));
    // The mark shows while the program has unsaved changes.
    setWindowTitle(QString::fromLatin1(kProductName) + QStringLiteral("[*]"));
    setWindowIcon(ApplicationIcon());

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    keypad_ = new Tfra_KeypadFW(central);
    varsView_ = new Tfra_VarsView(central);
    layout->addWidget(keypad_, 0);
    layout->addWidget(varsView_, 1);
    setCentralWidget(central);
    // The designed client area, or what the frames need when that is more (a larger
    // font or scale).
    resize(
        QSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height()).expandedTo(sizeHint()));

    // The creation handler, in its order.
    undo_ = std::make_unique<TUndoActions>(*vars_, *varsView_);
    hintFilter_ = new THintFilter(this);
    qApp->installEventFilter(hintFilter_);
    BuildTape();
    BuildMenus();
    BuildSkinsMenu();
    // Settings are saved as they change; a save that fails is told once a run.
    if (TCalcConfig* config = CalcConfig) {
        config->SetFailureReporter([this](const std::string& message) {
            Prompts().ShowError(this, QString::fromStdString(message));
        });
    }
    LoadSettings();
    libraries_ = std::make_unique<TUserLibraries>(AppHomeFolder());
    varsView_->SetVars(vars_.get());
    varsView_->SetKeypad(&keypad_->Keypad());
    if (IConfigor* settings = Settings())
        settings->AddChangeHandler(0, TConfigChangeHandler::Bind<&Tfrm_main::ConfigChanged>(*this));
    tray_ = new TTrayIcon(
        *this, {[this] { ToggleShown(); }, [this](auto run) { RunTool(run); }, optionsAction_});
    helpEngine_ = std::make_unique<TQtHelpEngine>();
    THelpHookSetup setup;
    setup.HelpFile = (HelpFolder() + QLatin1Char('/') + QLatin1String(kHelpFileName)).toStdString();
    setup.Engine = helpEngine_.get();
    setup.ShowError = [this](const std::string& message) {
        Prompts().ShowWarning(this, QString::fromStdString(message));
    };
    helpHook_ = std::make_unique<THookHelpSystem>(log_, std::move(setup));
    log_.SetShowErrorMessage([this](const std::string& message) {
        Prompts().ShowWarning(this, QString::fromStdString(message));
    });
    helpHook_->SetPopupCallback(
        [this](int context, int x, int y) { helpEngine_->ShowTextPopup({}, context, x, y); });
    documentCommands_ = std::make_unique<TDocumentCommands>(*vars_, *this, Settings());
    recovery_ = std::make_unique<TRecoveryGuard>(*vars_, AppHomeFolder(), InstanceTagOfProcess());
    // Undo back to the saved state removes the copy; a save changes no entry.
    connect(undo_.get(), &TUndoActions::changed, this, [this] {
        UpdateCommandStates();
        recovery_->Changed();
    });
    varsView_->AddHistoryCommands(undo_->UndoAction(), undo_->RedoAction());
    SetHelpTopicHandler([this](int context) { ShowHelp(context); });
    // The tools change the display format for the moment only; what is shown
    // here follows all the same.
    SetValueFormatChangedHandler([this] { RefreshValues(); });
    qApp->installEventFilter(this);

    // Save follows the document: every change it announces, and every dialog
    // over the keypad (the program's properties change it without a word).
    documentEvents_.OnChange = [this](std::uint8_t, int, TCalcValueWarper*, const std::string&) {
        UpdateCommandStates();
    };
    vars_->AddListener(&documentEvents_);
    connect(keypad_, &Tfra_KeypadFW::endModal, this, &Tfrm_main::UpdateCommandStates);
    UpdateCommandStates();
}

Tfrm_main::~Tfrm_main() {
    StopFollowingTapeShown();
    vars_->RemoveListener(&documentEvents_);
    if (TCalcConfig* config = CalcConfig) config->SetFailureReporter({});
    qApp->removeEventFilter(this);
    SetHelpTopicHandler({});
    SetValueFormatChangedHandler({});
    if (IConfigor* settings = Settings())
        settings->RemoveChangeHandler(TConfigChangeHandler::Bind<&Tfrm_main::ConfigChanged>(*this));
    helpHook_.reset();
    log_.SetShowErrorMessage(nullptr);
    // The libraries go before the document, which goes before the frames that
    // listen to it; the frames are children and go last.
    libraries_.reset();
}

void Tfrm_main::PlaceOnScreen(const QRect& wanted) {
    setGeometry(PlacementOnScreen({wanted.left(), wanted.top(), wanted.width(), wanted.height()},
                                  minimumSizeHint()));
}

void Tfrm_main::LoadSettings() {
    TCalcConfig* config = CalcConfig;
    if (!config) return;
    const QRect current = geometry();
    const TMainPlacement placement = ReadMainPlacement(
        *config, {{current.left(), current.top(), current.width(), current.height()}, false});
    if (placement.Rect.Width > 0 && placement.Rect.Height > 0)
        setGeometry(PlacementOnScreen(placement.Rect, minimumSizeHint()));
    if (placement.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
    IConfigor& settings = config->Configor();
    ApplyAlwaysOnTop(ReadBoolSetting(settings, TSetting::MainAlwaysOnTop));
    // The check marks read the settings as the options dialog does.
    autoSaveParamAction_->setChecked(ReadBoolSetting(settings, TSetting::MainAutoSaveParam));
    keypadHints_ = ReadBoolSetting(settings, TSetting::MainShowKeypadHint);
    keypadHintAction_->setChecked(keypadHints_);
    openLastAction_->setChecked(ReadBoolSetting(settings, TSetting::MainOpenLastProgram));
    currentSkin_ = QString::fromStdString(ReadTextSetting(settings, TSetting::MainSkin));
    ApplySkin(currentSkin_);
    ReadDisplayFormatSettings();
    hintFilter_->SetKeypadHints(keypadHints_);
}

void Tfrm_main::ReadDisplayFormatSettings() {
    if (IConfigor* settings = Settings()) ValueFormatSettings() = ReadValueFormat(*settings);
}

void Tfrm_main::SaveSettings() {
    TCalcConfig* config = CalcConfig;
    if (!config) return;
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    WriteMainPlacement(
        *config, {{normal.left(), normal.top(), normal.width(), normal.height()}, isMaximized()});
    IConfigor& settings = config->Configor();
    WriteTextSetting(settings, TSetting::MainSkin, currentSkin_.toStdString());
    WriteBoolSetting(settings, TSetting::MainShowKeypadHint, keypadHints_);
}

void Tfrm_main::ApplyAlwaysOnTop(bool onTop) {
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window flag hides the window; keep where and how it was.
    if (visible) show();
    alwaysOnTopAction_->setChecked(onTop);
}

void Tfrm_main::ConfigChanged(TCalcConfig&, const std::string& section, std::intptr_t,
                              const std::variant<bool, int, std::string>& value,
                              const std::string& key) {
    const bool flag = std::holds_alternative<bool>(value)  ? std::get<bool>(value)
                      : std::holds_alternative<int>(value) ? std::get<int>(value) != 0
                                                           : false;
    if (IsSettingKey(section, key, TSetting::MainAlwaysOnTop)) {
        ApplyAlwaysOnTop(flag);
    } else if (IsSettingKey(section, key, TSetting::MainShowKeypadHint)) {
        keypadHints_ = flag;
        hintFilter_->SetKeypadHints(flag);
        keypadHintAction_->setChecked(flag);
    } else if (IsSettingKey(section, key, TSetting::MainKeepTape)) {
        tapeDock_->SetKeep(flag);
    } else if (IsSettingKey(section, key, TSetting::MainAutoSaveParam)) {
        autoSaveParamAction_->setChecked(flag);
    } else if (IsSettingKey(section, key, TSetting::MainOpenLastProgram)) {
        openLastAction_->setChecked(flag);
    } else if (IsSettingKey(section, key, TSetting::MainValueFormat) ||
               IsSettingKey(section, key, TSetting::MainValueDigits)) {
        // Whoever writes the display format (the menu, the options dialog),
        // every value on screen follows.
        ReadDisplayFormatSettings();
        RefreshValues();
    }
}

void Tfrm_main::RefreshValues() {
    keypad_->Refresh();
    varsView_->List()->viewport()->update();
    UpdateCommandStates();
}

void Tfrm_main::ChooseDigits(int tag) {
    const TValueFormatRecord& record = ValueFormatSettings();
    const TDigitsChoice choice = DigitsFromListIndex(tag, record.ValueDigits);
    ValueFormatSettings().ValueFormat = static_cast<std::uint8_t>(choice.ValueFormat);
    ValueFormatSettings().ValueDigits = choice.ValueDigits;
    if (IConfigor* settings = Settings()) {
        const TSettingsBatch batch(settings);  // one save for the pair
        WriteIntegerSetting(*settings, TSetting::MainValueFormat, choice.ValueFormat);
        WriteIntegerSetting(*settings, TSetting::MainValueDigits, choice.ValueDigits);
    }
    RefreshValues();
}

void Tfrm_main::UpdateCommandStates() {
    saveAction_->setEnabled(vars_->GetModified());
    // The title names the document; Qt shows "[*]" as the mark of unsaved changes.
    setWindowTitle(QString::fromStdString(DocumentWindowTitle(vars_->GetName() + "[*]")));
    setWindowModified(vars_->GetModified());
    varsView_->ShowProgramName();
    const TValueFormatRecord& record = ValueFormatSettings();
    const int checked = DigitsListIndex(record.ValueFormat, record.ValueDigits);
    for (std::size_t tag = 0; tag < digitActions_.size(); ++tag)
        digitActions_[tag]->setChecked(static_cast<int>(tag) == checked);
}

void Tfrm_main::BuildSkinsMenu() {
    skinsMenu_->clear();
    for (const TSkinEntry& skin : ListSkins()) {
        QAction* action = skinsMenu_->addAction(skin.Caption);
        action->setCheckable(true);
        action->setData(skin.FileName);
        connect(action, &QAction::triggered, this,
                [this, file = skin.FileName] { ApplySkin(file); });
    }
}

void Tfrm_main::SetSkinMenuState() {
    for (QAction* action : skinsMenu_->actions())
        action->setChecked(action->data().toString().compare(currentSkin_, Qt::CaseInsensitive) ==
                           0);
}

void Tfrm_main::ApplySkin(const QString& fileName) {
    if (FindSkinFile(fileName).isEmpty()) return;
    currentSkin_ = fileName;
    ApplySkinFile(fileName);  // a broken file leaves the previous look
    SetSkinMenuState();
    keypad_->AlignValueDisplay();
    // The menu's choice is kept at once, like every other setting a menu changes.
    if (IConfigor* settings = Settings())
        WriteTextSetting(*settings, TSetting::MainSkin, fileName.toStdString());
}

void Tfrm_main::closeEvent(QCloseEvent* event) {
    if (!documentCommands_->CloseQuery()) {
        event->ignore();
        return;
    }
    closing_ = true;
    StopFollowingTapeShown();
    // Saved or let go by the user's answer: nothing is left to recover.
    recovery_->Discard();
    helpHook_.reset();
    if (IConfigor* settings = Settings())
        settings->RemoveChangeHandler(TConfigChangeHandler::Bind<&Tfrm_main::ConfigChanged>(*this));
    SaveSettings();
    tapeDock_->SaveNow();
    // Saved here rather than at process end, so that a failure can still be shown.
    if (TCalcConfig* config = CalcConfig) config->Flush();
    if (memoryView_) memoryView_->close();
    tray_->Hide();
    event->accept();
    QTimer::singleShot(0, qApp, &QApplication::quit);
}

void Tfrm_main::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (closing_) return;
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow() && !isMinimized())
            keypad_->RegisterHotkeys(true);
        else
            keypad_->UnregisterHotkeys();
    } else if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized()) {
            keypad_->UnregisterHotkeys();
            // Minimised, the window lives in the notification area.
            if (tray_->Available()) QTimer::singleShot(0, this, &QWidget::hide);
        }
    }
}

bool Tfrm_main::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // The layout has just set the window's minimum: a line that went gives
    // back the room it took.
    if (event->type() == QEvent::LayoutRequest) {
        const std::optional<int> width = widthGrowth_.GiveBack(this->width(), minimumWidth());
        const std::optional<int> height = heightGrowth_.GiveBack(this->height(), minimumHeight());
        if (width || height) resize(width.value_or(this->width()), height.value_or(this->height()));
    }
    return handled;
}

void Tfrm_main::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        widthGrowth_.Forget();
        heightGrowth_.Forget();
        return;
    }
    widthGrowth_.Resized(event->oldSize().width(), event->size().width(), minimumWidth());
    heightGrowth_.Resized(event->oldSize().height(), event->size().height(), minimumHeight());
}

void Tfrm_main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    keypad_->AlignValueDisplay();
}

void Tfrm_main::ToggleShown() {
    if (isHidden() || isMinimized()) {
        ActivateFromOutside();
    } else if (tray_->Available()) {
        hide();
    } else {
        showMinimized();
    }
}

void Tfrm_main::ShowAtStart(bool startHidden) {
    switch (StartWindow(startHidden, tray_->Available())) {
        case TStartWindow::Shown:
            show();
            break;
        case TStartWindow::HiddenInTray:
            break;  // the icon brings it
        case TStartWindow::Minimised:
            showMinimized();
            break;
    }
}

void Tfrm_main::ActivateFromOutside() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void Tfrm_main::ShowHelp(int context) {
    if (helpHook_) helpHook_->HelpHook(kHelpContext, context);
}

bool Tfrm_main::RouteWhatsThis(QObject* watched) {
    // The control clicked in context-help mode, or the first of its parents
    // that has a help topic: its text pops up at the control's top-left corner
    // (F1 is what opens the help window).
    for (QObject* o = watched; o; o = o->parent()) {
        if (!o->isWidgetType()) continue;
        auto* widget = static_cast<QWidget*>(o);
        const int context = widget->property("helpContext").toInt();
        if (context != 0) {
            if (!helpHook_) return true;
            const QPoint corner = widget->mapToGlobal(QPoint(0, 0));
            helpHook_->HelpHook(kHelpSetPopupPosition, PackedPopupPosition(corner.x(), corner.y()));
            helpHook_->HelpHook(kHelpContextPopup, context);
            return true;
        }
        if (widget->isWindow()) break;
    }
    return false;
}

bool Tfrm_main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WhatsThis && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        if (RouteWhatsThis(watched)) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace quillix
