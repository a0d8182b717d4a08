#include "gui/CompositionRoot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QSlider>
#include <utility>
#include <vector>

#include "platform/system/FileDates.h"
#include "platform/system/RefusalNotice.h"
#include "platform/system/Trace.h"
#include "platform/userclient/DriverInfo.h"
#include "platform/userclient/SocketUserClient.h"

namespace netvane::gui {

namespace {

userclient::UserClientApi& ChooseUserClient(userclient::UserClientApi* given,
                                            std::unique_ptr<userclient::SocketUserClient>& own,
                                            std::string& refusal) {
  if (given != nullptr) return *given;
  own = std::make_unique<userclient::SocketUserClient>();
  own->OnRefusal([&refusal](const std::string& path, const std::string& reason) {
    system::ReportRefusedOnce(path, reason);
    if (refusal.empty()) refusal = "Not using " + path + ": " + reason + ".";
  });
  return *own;
}

// A notification dropped for want of a session bus is nothing a person must act on.
DesktopOptions WithDebugNote(DesktopOptions options, const SharedState& state) {
  if (!options.debugNote) {
    options.debugNote = [&state](const std::string& line) {
      if (state.__DEBUG__ != 0) system::WriteStderr(line + "\n");
    };
  }
  return options;
}

system::SleepFunction ChooseSleep(system::SleepFunction given, ui::BusyIndicator& busy) {
  if (given) return given;
  return [&busy](unsigned seconds) {
    ui::BusyScope scope(&busy);
    system::BlockingSleep(seconds);
  };
}

void OnClick(QWidget* scope, const char* name, const std::function<void()>& action) {
  auto* button = scope->findChild<QAbstractButton*>(QString::fromLatin1(name));
  QObject::connect(button, &QAbstractButton::clicked, scope, [action] { action(); });
}

// A choice list's action runs when the user picks an entry, not when the page selects one.
void OnChoice(QWidget* scope, const char* name, const std::function<void()>& action) {
  auto* list = scope->findChild<QComboBox*>(QString::fromLatin1(name));
  QObject::connect(list, &QComboBox::activated, scope, [action] { action(); });
}

SecurityControls SheetControls(ControlSet& c, QWidget* sheet) {
  return SecurityControls{
      c.ChoiceList(sheet, "AuthenType"),
      c.ChoiceList(sheet, "EncryType"),
      {&c.ChoiceList(sheet, "WEPKey1Combo"), &c.ChoiceList(sheet, "WEPKey2Combo"),
       &c.ChoiceList(sheet, "WEPKey3Combo"), &c.ChoiceList(sheet, "WEPKey4Combo")},
      {&c.TextField(sheet, "WEPKey1Text"), &c.TextField(sheet, "WEPKey2Text"),
       &c.TextField(sheet, "WEPKey3Text"), &c.TextField(sheet, "WEPKey4Text")},
      {&c.Toggle(sheet, "WEPKey1Radio"), &c.Toggle(sheet, "WEPKey2Radio"),
       &c.Toggle(sheet, "WEPKey3Radio"), &c.Toggle(sheet, "WEPKey4Radio")},
      c.TextField(sheet, "WPAPreSharedKey")};
}

ProfileEditorControls EditorControls(ControlSet& c, QWidget* editor, ui::TabView& tabs) {
  return ProfileEditorControls{c.TextField(editor, "ProfileName"),
                               c.ChoiceList(editor, "SSID"),
                               c.ChoiceList(editor, "NetworkType"),
                               c.ChoiceList(editor, "Channel"),
                               SheetControls(c, editor),
                               c.ChoiceList(editor, "PreambleType"),
                               c.ChoiceList(editor, "TxPower"),
                               c.Toggle(editor, "PSMode"),
                               c.Toggle(editor, "CamWhenAcPower"),
                               c.Toggle(editor, "RtsThresholdCheck"),
                               c.Slider(editor, "RtsThresholdSlider"),
                               c.TextField(editor, "RtsThresholdText"),
                               c.Toggle(editor, "FragThresholdCheck"),
                               c.Slider(editor, "FragThresholdSlider"),
                               c.TextField(editor, "FragThresholdText"),
                               tabs};
}

StatisticsFields StatisticsControls(ControlSet& c, QWidget* page) {
  return StatisticsFields{c.TextField(page, "FTS"),   c.TextField(page, "FTSWR"),
                          c.TextField(page, "FTSAR"), c.TextField(page, "FFTRAAA"),
                          c.TextField(page, "RFSRC"), c.TextField(page, "RFFTRC"),
                          c.TextField(page, "FRS"),   c.TextField(page, "FRWCE"),
                          c.TextField(page, "FDDTO"), c.TextField(page, "DFR")};
}

// Below the quality figures, across the group's whole width.
HistoryGraph* AddHistoryGraph(QWidget* page) {
  auto* group = page->findChild<QWidget*>(QStringLiteral("QualityGroup"));
  auto* grid = qobject_cast<QGridLayout*>(group->layout());
  auto* graph = new HistoryGraph(group);
  grid->addWidget(graph, grid->rowCount(), 0, 1, grid->columnCount());
  return graph;
}

LinkStatusFields LinkStatusControls(ControlSet& c, QWidget* page, ui::HistoryView& history) {
  return LinkStatusFields{c.TextField(page, "Status"),
                          c.TextField(page, "CurrentChannel"),
                          c.TextField(page, "CurrentTxRate"),
                          c.TextField(page, "ThroughputTx"),
                          c.TextField(page, "ThroughputRx"),
                          c.TextField(page, "LinkQualityState"),
                          c.TextField(page, "SignalStrengthState"),
                          c.ProgressBar(page, "LinkQuality"),
                          c.ProgressBar(page, "SignalStrength"),
                          c.Toggle(page, "dBm"),
                          history};
}

AdvanceControls AdvanceControlsOf(ControlSet& c, QWidget* page) {
  return AdvanceControls{c.ChoiceList(page, "WirelessMode"),
                         c.ChoiceList(page, "TXrate"),
                         c.ChoiceList(page, "BGprotection"),
                         c.Toggle(page, "EnableTXburst"),
                         c.Toggle(page, "AdhocModeUseOFDMrate"),
                         c.Button(page, "Apply"),
                         c.Button(page, "Reset"),
                         c.Button(page, "Radio"),
                         c.ImageView(page, "RadioSwitchPic")};
}

AboutFields AboutControls(ControlSet& c, QWidget* page) {
  return AboutFields{c.TextField(page, "NetvaneVersion"), c.TextField(page, "NetvaneDate"),
                     c.TextField(page, "DriverVersion"),  c.TextField(page, "DriverDate"),
                     c.TextField(page, "EEPROMVersion"),  c.TextField(page, "MacAddress")};
}

// A check box's action runs when the user turns it on or off.
void OnToggle(QWidget* scope, const char* name, const std::function<void()>& action) {
  auto* box = scope->findChild<QAbstractButton*>(QString::fromLatin1(name));
  QObject::connect(box, &QAbstractButton::toggled, scope, [action] { action(); });
}

// A slider's action runs as the user moves it.
void OnSlide(QWidget* scope, const char* name, const std::function<void()>& action) {
  auto* slider = scope->findChild<QSlider*>(QString::fromLatin1(name));
  QObject::connect(slider, &QSlider::valueChanged, scope, [action] { action(); });
}

}  // namespace

CompositionRoot::CompositionRoot(RootOptions options)
    : window_(std::make_unique<MainWindow>()),
      securitySheet_(new SecuritySheetDialog(window_.get())),
      hiddenSSID_(new HiddenSSIDDialog(window_.get())),
      profileEditor_(new ProfileEditorDialog(window_.get())),
      historyGraph_(AddHistoryGraph(window_->PageWidget(Page::LinkStatus))),
      tabView_(window_->Tabs()),
      editorTabs_(profileEditor_->form.TabView),
      securityWindow_(securitySheet_),
      hiddenWindow_(hiddenSSID_),
      editorWindow_(profileEditor_),
      sheets_(window_.get(), modal_),
      alert_(window_.get(), modal_),
      historyView_(historyGraph_, LinkStatusPageController::kHistorySamples),
      prefsFolder_(options.prefsFolder.empty() ? prefs::PrefsFolder()
                                               : prefs::PrefsFolder(options.prefsFolder)),
      defaults_(prefsFolder_),
      profileStore_(defaults_, prefsFolder_),
      userClient_(ChooseUserClient(options.userClient, ownUserClient_, refusal_)),
      adapter_(state_, userClient_, alert_, ChooseSleep(std::move(options.sleep), busy_)),
      pollTimer_(modal_),
      siteSurveyTimer_(modal_),
      profileTimer_(modal_),
      linkStatusTimer_(modal_),
      statisticsTimer_(modal_),
      wepSetting_(SheetControls(controls_, securitySheet_), alert_, sheets_, state_),
      hiddenSSIDController_(controls_.TextField(hiddenSSID_, "HiddenSSIDText"), alert_, sheets_),
      profileEditorController_(EditorControls(controls_, profileEditor_, editorTabs_), alert_,
                               sheets_, profileStore_, state_),
      profile_(state_, adapter_, profileStore_,
               controls_.TableView(window_->PageWidget(Page::Profile), "profileList"),
               profileTimer_, {sheets_, profileEditorController_, editorWindow_}, alert_),
      siteSurvey_(state_, adapter_, taskQueue_,
                  controls_.TableView(window_->PageWidget(Page::SiteSurvey), "ApList"),
                  controls_.TextField(window_->PageWidget(Page::SiteSurvey), "ConnectStatus"),
                  siteSurveyTimer_,
                  {sheets_, alert_, wepSetting_, securityWindow_, hiddenWindow_,
                   profileEditorController_, editorWindow_, editorTabs_, profile_}),
      linkStatus_(
          state_, adapter_,
          LinkStatusControls(controls_, window_->PageWidget(Page::LinkStatus), historyView_),
          linkStatusTimer_,
          [this](const std::string& line) { siteSurvey_.UpdateConnectStatus(line); }),
      statistics_(state_, adapter_,
                  StatisticsControls(controls_, window_->PageWidget(Page::Statistics)),
                  statisticsTimer_),
      advance_(state_, adapter_, AdvanceControlsOf(controls_, window_->PageWidget(Page::Advance)),
               advancedFile_),
      about_(adapter_, AboutControls(controls_, window_->PageWidget(Page::About)),
             {system::ExecutableDate, userclient::ReadDriverInfo, system::OpenUrl}),
      netvane_(state_, adapter_, tabView_, pollTimer_, siteSurvey_, about_, profile_, advance_,
               &busy_),
      desktop_(window_.get(), defaults_, TrayActionsFor(),
               WithDebugNote(std::move(options.desktop), state_)) {
  wepSetting_.SetSiteSurvey(siteSurvey_);
  profile_.SetSiteSurvey(siteSurvey_);
  hiddenSSIDController_.SetSiteSurvey(siteSurvey_);
  linkStatus_.SetObserver([this](const LinkObservation& link) { desktop_.Observe(link); });
  profile_.SetReconnectObserver(
      [this](const std::string& ssid) { desktop_.ReconnectStarted(ssid); });
  modal_.DisableWhileActive(window_->centralWidget());
  WireActions();
}

CompositionRoot::~CompositionRoot() {
  // Timers stop before the controllers they call go away.
  for (QtRepeatingTimer* timer : Timers()) timer->Stop();
}

TrayActions CompositionRoot::TrayActionsFor() {
  TrayActions actions;
  actions.showWindow = [this] { window_->BringToFront(); };
  actions.profileNames = [this] {
    std::vector<std::string> names;
    for (const ProfileRecord& record : profile_.Records()) {
      names.push_back(record.Text(profile_key::kProfileName));
    }
    return names;
  };
  actions.profileInForce = [this] {
    return state_.G_bCheckedProfileConnect != 0 ? profile_.CurrentSelected() : -1;
  };
  actions.activateProfile = [this](int row) { profile_.ActivateRow(row); };
  actions.canAct = [this] { return state_.G_bDeviceExist != 0 && !modal_.Active(); };
  actions.radioOn = [this] { return state_.G_bRadio != 0; };
  actions.switchRadio = [this] { advance_.OnRadioSwitch(nullptr); };
  actions.quit = [] { QApplication::quit(); };
  return actions;
}

void CompositionRoot::WireActions() {
  QWidget* survey = window_->PageWidget(Page::SiteSurvey);
  OnClick(survey, "Connect", [this] { siteSurvey_.OnConnect(nullptr); });
  OnClick(survey, "AddProfile", [this] { siteSurvey_.OnAddProfile(nullptr); });
  OnClick(survey, "Rescan", [this] { siteSurvey_.OnRescan(nullptr); });
  QWidget* advance = window_->PageWidget(Page::Advance);
  OnChoice(advance, "WirelessMode", [this] { advance_.OnSelChangeWirelessMode(nullptr); });
  OnChoice(advance, "TXrate", [this] { advance_.OnTxRate(nullptr); });
  OnChoice(advance, "BGprotection", [this] { advance_.OnSelBGProtection(nullptr); });
  // Check boxes act on the user's click only, not when the page sets them.
  OnClick(advance, "EnableTXburst", [this] { advance_.OnTxBurst(nullptr); });
  OnClick(advance, "AdhocModeUseOFDMrate", [this] { advance_.OnAdHocUseOFDM(nullptr); });
  OnClick(advance, "Apply", [this] { advance_.OnApply(nullptr); });
  OnClick(advance, "Reset", [this] { advance_.OnReset(nullptr); });
  OnClick(advance, "Radio", [this] { advance_.OnRadioSwitch(nullptr); });
  OnClick(window_->PageWidget(Page::About), "CorvaneWWW",
          [this] { about_.OpenCorvaneWeb(nullptr); });
  OnClick(window_->PageWidget(Page::About), "EventHistory", [this] { desktop_.ShowHistory(); });
  OnClick(window_->PageWidget(Page::Statistics), "ResetCounter",
          [this] { statistics_.OnResetCounter(nullptr); });
  QWidget* profiles = window_->PageWidget(Page::Profile);
  OnClick(profiles, "Add", [this] { profile_.OnAdd(nullptr); });
  OnClick(profiles, "Edit", [this] { profile_.OnEdit(nullptr); });
  OnClick(profiles, "Delete", [this] { profile_.OnDelete(nullptr); });
  OnClick(profiles, "Activate", [this] { profile_.OnActivate(nullptr); });
  OnChoice(securitySheet_, "AuthenType", [this] { wepSetting_.OnAuthType(); });
  OnChoice(securitySheet_, "EncryType", [this] { wepSetting_.OnEncryType(); });
  OnClick(securitySheet_, "OK", [this] { wepSetting_.OnOK(); });
  OnClick(securitySheet_, "Cancel", [this] { wepSetting_.OnCANCEL(); });
  OnClick(hiddenSSID_, "OK", [this] { hiddenSSIDController_.OnOK(); });
  OnClick(hiddenSSID_, "Cancel", [this] { hiddenSSIDController_.OnCANCEL(); });
  ProfileEditorController& editor = profileEditorController_;
  OnClick(profileEditor_, "OK", [&editor] { editor.OnOK(nullptr); });
  OnClick(profileEditor_, "Cancel", [&editor] { editor.OnCANCEL(nullptr); });
  OnChoice(profileEditor_, "AuthenType", [&editor] { editor.OnAuthType(nullptr); });
  OnChoice(profileEditor_, "EncryType", [&editor] { editor.OnEncryType(nullptr); });
  OnToggle(profileEditor_, "RtsThresholdCheck", [&editor] { editor.OnSelRTS(nullptr); });
  OnSlide(profileEditor_, "RtsThresholdSlider", [&editor] { editor.OnRtsSlider(nullptr); });
  OnToggle(profileEditor_, "FragThresholdCheck", [&editor] { editor.OnSelFrag(nullptr); });
  OnSlide(profileEditor_, "FragThresholdSlider", [&editor] { editor.OnFragSlider(nullptr); });
}

void CompositionRoot::SetUp() {
  wepSetting_.awakeFromNib();
  hiddenSSIDController_.awakeFromNib();
  profileEditorController_.awakeFromNib();
  siteSurvey_.awakeFromNib();
  profile_.awakeFromNib();
  linkStatus_.awakeFromNib();
  statistics_.awakeFromNib();
  advance_.awakeFromNib();
  netvane_.awakeFromNib();
  // Polling will not make it go away: without this the window would only show no adapter.
  if (!refusal_.empty() && !refusalShown_) {
    refusalShown_ = true;
    alert_.Run("Netvane cannot look for the adapter", refusal_);
  }
}

std::vector<QtRepeatingTimer*> CompositionRoot::Timers() {
  return {&pollTimer_, &siteSurveyTimer_, &profileTimer_, &linkStatusTimer_, &statisticsTimer_};
}

}  // namespace netvane::gui
