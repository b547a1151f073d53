#include "driver/wizard_choices.hpp"

#include <span>
#include <string_view>

#include "driver/wizard_texts.hpp"

namespace vx::driver {

namespace {

using Choices = std::vector<std::pair<std::string, std::string>>;

// "Co pokopiowac :" names its group as "Co pokopiowac".
std::string group_name(std::string_view label) {
  while (!label.empty() && (label.back() == ' ' || label.back() == ':')) label.remove_suffix(1);
  while (!label.empty() && label.front() == ' ') label.remove_prefix(1);
  return std::string(label);
}

std::string in_words(bool on) { return on ? "tak" : "nie"; }

void checks(Choices& out, std::string_view group, std::span<const texts::ItemText> items, std::uint16_t set) {
  for (std::size_t i = 0; i < items.size(); ++i)
    out.emplace_back(group_name(group) + " / " + items[i].str(), in_words(has_bit(set, static_cast<int>(i))));
}

void radio(Choices& out, std::string_view label, std::span<const texts::ItemText> items, std::size_t chosen) {
  out.emplace_back(group_name(label), chosen < items.size() ? items[chosen].str() : std::to_string(chosen));
}

}  // namespace

Choices wizard_choices(const Session& run) {
  const Options& o = run.options;
  Choices out;
  radio(out, texts::kCharsetLabel, texts::kCharsetItems, run.cs.charset_mode);
  const std::string extra = group_name(texts::kExtraOptionsLabel) + " / ";
  out.emplace_back(extra + texts::kWarnOpenDecember, in_words(o.warn_open_december != 0));
  out.emplace_back(extra + texts::kShowSlowly, in_words(o.show_slowly != 0));
  out.emplace_back(extra + texts::kHideConverted, in_words(o.hide_converted != 0));
  checks(out, texts::kGlobalPageTitle, texts::kGlobalItems, o.global_items);
  checks(out, texts::kCompanyPageTitle, texts::kCompanyItems, o.company_items);
  radio(out, texts::kPersonScopeLabel, texts::kPersonScopeItems, o.person_scope);
  radio(out, texts::kPitScopeLabel, texts::kPitScopeItems, o.pit_scope);
  checks(out, texts::kEntered2018Label, texts::kEntered2018Items, o.entered_2018_items);
  checks(out, texts::kAddonLabel, texts::kAddonItems, o.addon_items);
  checks(out, texts::kCopyScopeLabel, texts::kCopyScopeItems, o.copy_scope);
  out.emplace_back(texts::kCopyScopeItems[0].str() + " " + texts::kVersionLabel, o.source_version);
  out.emplace_back(group_name(texts::kRunLabel) + " / " + texts::kStopPerCompany,
                   in_words(o.stop_per_company != 0));
  return out;
}

}  // namespace vx::driver
