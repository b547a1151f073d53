#pragma once
// The check that guards the two data roots when the operator leaves the
// locations page: the 2017 register must be there, the 2018 directory must
// exist, and the two must differ.
#include <string_view>

#include "driver/session.hpp"

namespace vx::driver {

enum class RootField { kSource, kTarget };

// What the check needs of the page that edits the roots.
class RootFields {
 public:
  virtual ~RootFields() = default;
  // The field shows its root again after the check changed it.
  virtual void Redraw(RootField field) = 0;
  virtual void Focus(RootField field) = 0;
};

// A root the operator or the ".PTH" file gave ends with either separator.
bool ends_with_separator(std::string_view root);

// Appends the separator where it is missing, reports the first fault in a
// message box and puts the focus on the field to correct; true when both
// roots may be used.
bool check_locations(Session& run, RootFields& fields);

}  // namespace vx::driver
