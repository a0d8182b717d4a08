// A pop-up list or an editable combo box. Indexes count from 0; -1 means no selection.
#pragma once

#include <string>

#include "ui/Control.h"

namespace netvane::ui {

class ChoiceList : public Control {
 public:
  virtual void RemoveAll() = 0;
  virtual void Add(const std::string& text) = 0;
  // An index at or past the end appends.
  virtual void InsertAt(int index, const std::string& text) = 0;
  virtual int Count() const = 0;
  // An index outside the entries selects nothing.
  virtual void SelectIndex(int index) = 0;
  virtual int SelectedIndex() const = 0;
  // Text of the selected entry; empty when nothing is selected.
  virtual std::string SelectedText() const = 0;
  // The typed text of an editable list (for a plain pop-up, the selected entry's text).
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

}  // namespace netvane::ui
