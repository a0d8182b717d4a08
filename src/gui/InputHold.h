// Holds back the keyboard and the mouse while the window waits on the driver: input that reaches
// any object meanwhile is kept, and delivered again, in its order, once the hold ends. The event
// loop's own exclusion flag covers only input still queued by the window system; this covers
// input posted or sent to widgets.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

namespace netvane::gui {

class InputHold : public QObject {
 public:
  // Installed on the application from construction to destruction.
  InputHold();
  InputHold(const InputHold&) = delete;
  InputHold& operator=(const InputHold&) = delete;
  ~InputHold() override;

  // Whether `event` is a person's input (keys, mouse, wheel, touch, tablet, shortcuts).
  static bool IsUserInput(const QEvent& event);

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

}  // namespace netvane::gui
