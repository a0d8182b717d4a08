#include "gui/AccessibleNames.h"

#include <QComboBox>
#include <QLabel>
#include <QSet>

namespace netvane::gui {

void DescribeUnlabelledChoices(QWidget* form) {
  QSet<const QWidget*> labelled;
  for (const QLabel* label : form->findChildren<QLabel*>()) labelled.insert(label->buddy());
  for (QComboBox* choice : form->findChildren<QComboBox*>()) {
    if (labelled.contains(choice) || !choice->accessibleDescription().isEmpty()) continue;
    choice->setAccessibleDescription(choice->accessibleName());
  }
}

}  // namespace netvane::gui
