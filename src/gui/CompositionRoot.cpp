#include "gui/CompositionRoot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QSlider>
#include <utility>
#include <vector>

#include "platform/system/FileDates.h"
#include "platform/system/Log.h"
#include "platform/system/RefusalNotice.h"
#include "platform/userclient/DriverInfo.h"
#include "platform/userclient/SocketUserClient.h"

namespace netvane::gui {

namespace {

userclient::UserClientApi& ChooseUserClient(userclient::UserClientApi* given,
                                            std::unique_ptr<userclient::SocketUserClient>& own,
                                            std::string& refusal, userclient::IoClock& clock) {
  if (given != nullptr) return *given;
  own = std::make_unique<userclient::SocketUserClient>(userclient::kIoTimeoutSeconds * 1000, clock);
  own->OnRefusal([&refusal](const std::string& path, const std::string& reason) {
    system::ReportRefusedOnce(path, reason);
    if (refusal.empty()) {
      refusal = QCoreApplication::translate("AdapterNotice", "Not using %1: %2.")
                    .arg(QString::fromStdString(path), QString::fromStdString(reason))
                    .toStdString();
    }
  });
  return *own;
}

// The pages' debug lines follow the process's verbose setting.
SharedState VerboseAsDebug() {
  SharedState state;
  state.__DEBUG__ = system::LogVerbose() ? 1 : 0;
  return state;
}

// A notification dropped for want of a session bus is nothing a person must act on.
DesktopOptions WithDebugNote(DesktopOptions options) {
  if (!options.debugNote) {
    options.debugNote = [](const std::string& line) {
      system::LogDebug(system::LogCategory::kGui, line);
    };
  }
  return options;
}

system::SleepFunction ChooseSleep(system::SleepFunction given, ui::BusyIndicator& busy,
                                  LiveIoClock& clock) {
  if (given) return given;
  return [&busy, &clock](unsigned seconds) {
    ui::BusyScope scope(&busy);
    clock.Sleep(seconds);
  };
}

void OnClick(QAbstractButton* button, const std::function<void()>& action) {
  QObject::connect(button, &QAbstractButton::clicked, button, [action] { action(); });
}

// A choice list's action runs when the user picks an entry, not when the page selects one.
void OnChoice(QComboBox* list, const std::function<void()>& action) {
  QObject::connect(list, &QComboBox::activated, list, [action] { action(); });
}

// The security sheet and the profile editor's security tab share these controls' names.
template <typename Form>
SecurityControls SheetControls(ControlSet& c, Form& f) {
  return SecurityControls{c.ChoiceList(f.AuthenType),
                          c.ChoiceList(f.EncryType),
                          {&c.ChoiceList(f.WEPKey1Combo), &c.ChoiceList(f.WEPKey2Combo),
                           &c.ChoiceList(f.WEPKey3Combo), &c.ChoiceList(f.WEPKey4Combo)},
                          {&c.TextField(f.WEPKey1Text), &c.TextField(f.WEPKey2Text),
                           &c.TextField(f.WEPKey3Text), &c.TextField(f.WEPKey4Text)},
                          {&c.Toggle(f.WEPKey1Radio), &c.Toggle(f.WEPKey2Radio),
                           &c.Toggle(f.WEPKey3Radio), &c.Toggle(f.WEPKey4Radio)},
                          c.TextField(f.WPAPreSharedKey)};
}

ProfileEditorControls EditorControls(ControlSet& c, Ui::ProfileEditor& editor, ui::TabView& tabs) {
  return ProfileEditorControls{c.TextField(editor.ProfileName),
                               c.ChoiceList(editor.SSID),
                               c.ChoiceList(editor.NetworkType),
                               c.ChoiceList(editor.Channel),
                               SheetControls(c, editor),
                               c.ChoiceList(editor.PreambleType),
                               c.ChoiceList(editor.TxPower),
                               c.Toggle(editor.PSMode),
                               c.Toggle(editor.CamWhenAcPower),
                               c.Toggle(editor.RtsThresholdCheck),
                               c.Slider(editor.RtsThresholdSlider),
                               c.TextField(editor.RtsThresholdText),
                               c.Toggle(editor.FragThresholdCheck),
                               c.Slider(editor.FragThresholdSlider),
                               c.TextField(editor.FragThresholdText),
                               tabs};
}

StatisticsFields StatisticsControls(ControlSet& c, Ui::StatisticsPage& page) {
  return StatisticsFields{c.TextField(page.FTS),   c.TextField(page.FTSWR),
                          c.TextField(page.FTSAR), c.TextField(page.FFTRAAA),
                          c.TextField(page.RFSRC), c.TextField(page.RFFTRC),
                          c.TextField(page.FRS),   c.TextField(page.FRWCE),
                          c.TextField(page.FDDTO), c.TextField(page.DFR)};
}

// Below the quality figures, across the group's whole width.
HistoryGraph* AddHistoryGraph(Ui::LinkStatusPage& page) {
  QWidget* group = page.QualityGroup;
  auto* grid = qobject_cast<QGridLayout*>(group->layout());
  auto* graph = new HistoryGraph(group);
  const int row = grid->rowCount();
  grid->addWidget(graph, row, 0, 1, grid->columnCount());
  // The graph takes the height a taller window gives, not the spacer below the groups.
  grid->setRowStretch(row, 1);
  page.vbox21->setStretchFactor(group, 1);
  return graph;
}

LinkStatusFields LinkStatusControls(ControlSet& c, Ui::LinkStatusPage& page,
                                    ui::HistoryView& history) {
  return LinkStatusFields{c.TextField(page.Status),
                          c.TextField(page.CurrentChannel),
                          c.TextField(page.CurrentTxRate),
                          c.TextField(page.ThroughputTx),
                          c.TextField(page.ThroughputRx),
                          c.TextField(page.LinkQualityState),
                          c.TextField(page.SignalStrengthState),
                          c.ProgressBar(page.LinkQuality),
                          c.ProgressBar(page.SignalStrength),
                          c.Toggle(page.dBm),
                          history};
}

AdvanceControls AdvanceControlsOf(ControlSet& c, Ui::AdvancePage& page) {
  return AdvanceControls{c.ChoiceList(page.WirelessMode),
                         c.ChoiceList(page.TXrate),
                         c.ChoiceList(page.BGprotection),
                         c.Toggle(page.EnableTXburst),
                         c.Toggle(page.AdhocModeUseOFDMrate),
                         c.Button(page.Apply),
                         c.Button(page.Reset),
                         c.Button(page.Radio),
                         c.ImageView(page.RadioSwitchPic)};
}

AboutFields AboutControls(ControlSet& c, Ui::AboutPage& page) {
  return AboutFields{c.TextField(page.NetvaneVersion), c.TextField(page.NetvaneDate),
                     c.TextField(page.DriverVersion),  c.TextField(page.DriverDate),
                     c.TextField(page.EEPROMVersion),  c.TextField(page.MacAddress)};
}

// A check box's action runs when the user turns it on or off.
void OnToggle(QAbstractButton* box, const std::function<void()>& action) {
  QObject::connect(box, &QAbstractButton::toggled, box, [action] { action(); });
}

// A slider's action runs as the user moves it.
void OnSlide(QSlider* slider, const std::function<void()>& action) {
  QObject::connect(slider, &QSlider::valueChanged, slider, [action] { action(); });
}

// What needs the adapter: the buttons that send it requests, and the advance page, every control
// of which does.
std::vector<QWidget*> DriverActions(MainWindow& w) {
  return {w.siteSurvey.Connect, w.siteSurvey.Rescan,       w.siteSurvey.AddProfile,
          w.profile.Activate,   w.statistics.ResetCounter, w.PageWidget(Page::Advance)};
}

}  // namespace

CompositionRoot::CompositionRoot(RootOptions options)
    : state_(VerboseAsDebug()),
      liveClock_(modal_, options.clock != nullptr ? *options.clock : userclient::SteadyIoClock()),
      window_(std::make_unique<MainWindow>()),
      securitySheet_(new SecuritySheetDialog(window_.get())),
      hiddenSSID_(new HiddenSSIDDialog(window_.get())),
      profileEditor_(new ProfileEditorDialog(window_.get())),
      historyGraph_(AddHistoryGraph(window_->linkStatus)),
      networkList_(controls_.TableView(window_->siteSurvey.ApList)),
      profileList_(controls_.TableView(window_->profile.profileList)),
      tabView_(window_->Tabs()),
      editorTabs_(profileEditor_->form.TabView),
      securityWindow_(securitySheet_),
      hiddenWindow_(hiddenSSID_),
      editorWindow_(profileEditor_),
      sheets_(window_.get(), modal_),
      alert_(window_.get(), modal_),
      historyView_(historyGraph_, LinkStatusPageController::kHistorySamples,
                   LinkStatusPageController::kTimerSeconds),
      adapterNotice_(window_->AdapterState(), DriverActions(*window_)),
      prefsFolder_(options.prefsFolder.empty() ? prefs::PrefsFolder()
                                               : prefs::PrefsFolder(options.prefsFolder)),
      defaults_(prefsFolder_),
      profileStore_(defaults_, prefsFolder_),
      userClient_(ChooseUserClient(options.userClient, ownUserClient_, refusal_, liveClock_)),
      adapter_(state_, userClient_, alert_,
               ChooseSleep(std::move(options.sleep), busy_, liveClock_)),
      pollTimer_(modal_),
      siteSurveyTimer_(modal_),
      profileTimer_(modal_),
      linkStatusTimer_(modal_),
      statisticsTimer_(modal_),
      wepSetting_(SheetControls(controls_, securitySheet_->form), alert_, sheets_, state_),
      hiddenSSIDController_(controls_.TextField(hiddenSSID_->form.HiddenSSIDText), alert_, sheets_),
      profileEditorController_(EditorControls(controls_, profileEditor_->form, editorTabs_), alert_,
                               sheets_, profileStore_, state_),
      profile_(state_, adapter_, profileStore_, profileList_, profileTimer_,
               {sheets_, profileEditorController_, editorWindow_}, alert_),
      siteSurvey_(state_, adapter_, taskQueue_, networkList_,
                  controls_.TextField(window_->siteSurvey.ConnectStatus), siteSurveyTimer_,
                  {sheets_, alert_, wepSetting_, securityWindow_, hiddenWindow_,
                   profileEditorController_, editorWindow_, editorTabs_, profile_}),
      linkStatus_(state_, adapter_,
                  LinkStatusControls(controls_, window_->linkStatus, historyView_),
                  linkStatusTimer_,
                  [this](const std::string& line) { siteSurvey_.UpdateConnectStatus(line); }),
      statistics_(state_, adapter_, StatisticsControls(controls_, window_->statistics),
                  statisticsTimer_),
      advance_(state_, adapter_, AdvanceControlsOf(controls_, window_->advance), advancedFile_),
      about_(adapter_, AboutControls(controls_, window_->about),
             {system::ExecutableDate, userclient::ReadDriverInfo, system::OpenUrl}),
      netvane_(state_, adapter_, tabView_, pollTimer_, siteSurvey_, about_, profile_, advance_,
               &busy_),
      desktop_(window_.get(), defaults_, TrayActionsFor(),
               WithDebugNote(std::move(options.desktop))),
      memory_(defaults_, *window_, *window_->Tabs(),
              {{"Network", &networkList_}, {"Profile", &profileList_}}) {
  wepSetting_.SetSiteSurvey(siteSurvey_);
  profile_.SetSiteSurvey(siteSurvey_);
  hiddenSSIDController_.SetSiteSurvey(siteSurvey_);
  linkStatus_.SetObserver([this](const LinkObservation& link) { desktop_.Observe(link); });
  netvane_.SetPresenceObserver([this](bool present) {
    // A refusal is news only until an adapter is found: the next lookup may be refused anew.
    if (present) refusal_.clear();
    adapterNotice_.Show(present, refusal_);
  });
  siteSurvey_.SetJoinObserver([this](const JoinReport& report) { desktop_.FollowJoin(report); });
  profile_.SetReconnectObserver(
      [this](const std::string& ssid) { desktop_.ReconnectStarted(ssid); });
  modal_.DisableWhileActive(window_->centralWidget());
  WireActions();
  memory_.RestoreLayout();
}

CompositionRoot::~CompositionRoot() {
  memory_.Save();
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
  Ui::SiteSurveyPage& survey = window_->siteSurvey;
  OnClick(survey.Connect, [this] { siteSurvey_.OnConnect(nullptr); });
  OnClick(survey.AddProfile, [this] { siteSurvey_.OnAddProfile(nullptr); });
  OnClick(survey.Rescan, [this] { siteSurvey_.OnRescan(nullptr); });
  Ui::AdvancePage& advance = window_->advance;
  OnChoice(advance.WirelessMode, [this] { advance_.OnSelChangeWirelessMode(nullptr); });
  OnChoice(advance.TXrate, [this] { advance_.OnTxRate(nullptr); });
  OnChoice(advance.BGprotection, [this] { advance_.OnSelBGProtection(nullptr); });
  // Check boxes act on the user's click only, not when the page sets them.
  OnClick(advance.EnableTXburst, [this] { advance_.OnTxBurst(nullptr); });
  OnClick(advance.AdhocModeUseOFDMrate, [this] { advance_.OnAdHocUseOFDM(nullptr); });
  OnClick(advance.Apply, [this] { advance_.OnApply(nullptr); });
  OnClick(advance.Reset, [this] { advance_.OnReset(nullptr); });
  OnClick(advance.Radio, [this] { advance_.OnRadioSwitch(nullptr); });
  OnClick(window_->about.CorvaneWWW, [this] { about_.OpenCorvaneWeb(nullptr); });
  OnClick(window_->about.EventHistory, [this] { desktop_.ShowHistory(); });
  OnClick(window_->statistics.ResetCounter, [this] { statistics_.OnResetCounter(nullptr); });
  Ui::ProfilePage& profiles = window_->profile;
  OnClick(profiles.Add, [this] { profile_.OnAdd(nullptr); });
  OnClick(profiles.Edit, [this] { profile_.OnEdit(nullptr); });
  OnClick(profiles.Delete, [this] { profile_.OnDelete(nullptr); });
  OnClick(profiles.Activate, [this] { profile_.OnActivate(nullptr); });
  OnChoice(securitySheet_->form.AuthenType, [this] { wepSetting_.OnAuthType(); });
  OnChoice(securitySheet_->form.EncryType, [this] { wepSetting_.OnEncryType(); });
  OnClick(securitySheet_->form.OK, [this] { wepSetting_.OnOK(); });
  OnClick(securitySheet_->form.Cancel, [this] { wepSetting_.OnCANCEL(); });
  OnClick(hiddenSSID_->form.OK, [this] { hiddenSSIDController_.OnOK(); });
  OnClick(hiddenSSID_->form.Cancel, [this] { hiddenSSIDController_.OnCANCEL(); });
  ProfileEditorController& editor = profileEditorController_;
  OnClick(profileEditor_->form.OK, [&editor] { editor.OnOK(nullptr); });
  OnClick(profileEditor_->form.Cancel, [&editor] { editor.OnCANCEL(nullptr); });
  OnChoice(profileEditor_->form.AuthenType, [&editor] { editor.OnAuthType(nullptr); });
  OnChoice(profileEditor_->form.EncryType, [&editor] { editor.OnEncryType(nullptr); });
  OnChoice(profileEditor_->form.NetworkType, [&editor] { editor.OnNetworkType(nullptr); });
  OnToggle(profileEditor_->form.RtsThresholdCheck, [&editor] { editor.OnSelRTS(nullptr); });
  OnSlide(profileEditor_->form.RtsThresholdSlider, [&editor] { editor.OnRtsSlider(nullptr); });
  OnToggle(profileEditor_->form.FragThresholdCheck, [&editor] { editor.OnSelFrag(nullptr); });
  OnSlide(profileEditor_->form.FragThresholdSlider, [&editor] { editor.OnFragSlider(nullptr); });
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
  memory_.RestoreTab();
  // Polling will not make it go away: without this the window would only show no adapter.
  if (!refusal_.empty() && !refusalShown_) {
    refusalShown_ = true;
    alert_.Run(QCoreApplication::translate("AdapterNotice", "Netvane cannot look for the adapter")
                   .toStdString(),
               refusal_);
  }
}

std::vector<QtRepeatingTimer*> CompositionRoot::Timers() {
  return {&pollTimer_, &siteSurveyTimer_, &profileTimer_, &linkStatusTimer_, &statisticsTimer_};
}

}  // namespace netvane::gui
