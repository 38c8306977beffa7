#include "ui/focus_order.h"

#include <algorithm>
#include <vector>

#include "ui/form.h"

namespace tessivar::ui {
namespace {

std::vector<Control*> tab_order(const Form& form) {
  std::vector<Control*> order;
  for (const auto& c : form.controls()) {
    // A control outside the visible client area still takes the focus this way.
    if (c->can_take_focus() && c->tab_index()) order.push_back(c.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return *a->tab_index() < *b->tab_index(); });
  return order;
}

}  // namespace

Control* first_in_tab_order(const Form& form) {
  const auto order = tab_order(form);
  return order.empty() ? nullptr : order.front();
}

Control* next_in_tab_order(const Form& form, const Control* current, bool backwards) {
  const auto order = tab_order(form);
  if (order.empty()) return nullptr;
  const auto it = std::find(order.begin(), order.end(), current);
  if (it == order.end()) return backwards ? order.back() : order.front();
  const auto index = static_cast<std::size_t>(it - order.begin());
  const std::size_t n = order.size();
  return order[backwards ? (index + n - 1) % n : (index + 1) % n];
}

}  // namespace tessivar::ui
