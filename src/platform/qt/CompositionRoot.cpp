#include "platform/qt/CompositionRoot.h"

#include <QAbstractButton>

#include "platform/userclient/SocketUserClient.h"

namespace netvane::qt {

namespace {

userclient::UserClientApi& ChooseUserClient(userclient::UserClientApi* given,
                                            std::unique_ptr<userclient::UserClientApi>& own) {
  if (given != nullptr) return *given;
  own = std::make_unique<userclient::SocketUserClient>();
  return *own;
}

platform::SleepFunction ChooseSleep(platform::SleepFunction given, ui::BusyIndicator& busy) {
  if (given) return given;
  return [&busy](unsigned seconds) {
    ui::BusyScope scope(&busy);
    platform::BlockingSleep(seconds);
  };
}

template <typename Dialog>
void OnClick(Dialog* dialog, const char* name, std::function<void()> action) {
  auto* button = dialog->template findChild<QAbstractButton*>(QString::fromLatin1(name));
  QObject::connect(button, &QAbstractButton::clicked, dialog, [action] { action(); });
}

}  // namespace

CompositionRoot::CompositionRoot(RootOptions options)
    : window_(std::make_unique<MainWindow>()),
      securitySheet_(new SecuritySheetDialog(window_.get())),
      hiddenSSID_(new HiddenSSIDDialog(window_.get())),
      profileEditor_(new ProfileEditorDialog(window_.get())),
      tabView_(window_->Tabs()),
      securityWindow_(securitySheet_),
      hiddenWindow_(hiddenSSID_),
      editorWindow_(profileEditor_),
      sheets_(window_.get(), modal_),
      alert_(window_.get(), modal_),
      userClient_(ChooseUserClient(options.userClient, ownUserClient_)),
      adapter_(userClient_, alert_, ChooseSleep(std::move(options.sleep), busy_)),
      pollTimer_(modal_),
      siteSurveyTimer_(modal_),
      profileTimer_(modal_),
      linkStatusTimer_(modal_),
      statisticsTimer_(modal_),
      wepSetting_(sheets_),
      hiddenSSIDController_(sheets_),
      profileEditorController_(sheets_),
      siteSurvey_(adapter_, taskQueue_,
                  controls_.TableView(window_->PageWidget(Page::SiteSurvey), "ApList"),
                  controls_.TextField(window_->PageWidget(Page::SiteSurvey), "ConnectStatus"),
                  siteSurveyTimer_),
      profile_(adapter_, controls_.TableView(window_->PageWidget(Page::Profile), "profileList"),
               profileTimer_),
      linkStatus_(adapter_, linkStatusTimer_),
      statistics_(adapter_, statisticsTimer_),
      advance_(adapter_, controls_.Button(window_->PageWidget(Page::Advance), "Radio"),
               controls_.ImageView(window_->PageWidget(Page::Advance), "RadioSwitchPic")),
      about_(adapter_),
      netvane_(adapter_, tabView_, pollTimer_, siteSurvey_, about_, profile_, advance_, &busy_) {
  WireActions();
}

CompositionRoot::~CompositionRoot() {
  // Timers stop before the controllers they call go away.
  for (QtRepeatingTimer* timer : Timers()) timer->Stop();
}

void CompositionRoot::WireActions() {
  OnClick(securitySheet_, "Cancel", [this] { wepSetting_.OnCANCEL(); });
  OnClick(hiddenSSID_, "Cancel", [this] { hiddenSSIDController_.OnCANCEL(); });
  OnClick(profileEditor_, "Cancel", [this] { profileEditorController_.OnCANCEL(); });
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
}

std::vector<QtRepeatingTimer*> CompositionRoot::Timers() {
  return {&pollTimer_, &siteSurveyTimer_, &profileTimer_, &linkStatusTimer_, &statisticsTimer_};
}

}  // namespace netvane::qt
