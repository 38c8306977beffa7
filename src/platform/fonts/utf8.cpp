#include "platform/fonts/utf8.h"

#include <cstdint>

namespace tessivar::fonts {

namespace {

struct LeadRule {
  int continuation_bytes;
  std::uint8_t second_min;  // the second byte's range narrows to exclude overlongs and surrogates
  std::uint8_t second_max;
};

// Well-formed sequences by lead byte (the Unicode standard's table of well-formed UTF-8).
bool lead_rule(std::uint8_t lead, LeadRule& rule) {
  if (lead >= 0xC2 && lead <= 0xDF)
    rule = {1, 0x80, 0xBF};
  else if (lead == 0xE0)
    rule = {2, 0xA0, 0xBF};
  else if (lead >= 0xE1 && lead <= 0xEC)
    rule = {2, 0x80, 0xBF};
  else if (lead == 0xED)
    rule = {2, 0x80, 0x9F};
  else if (lead >= 0xEE && lead <= 0xEF)
    rule = {2, 0x80, 0xBF};
  else if (lead == 0xF0)
    rule = {3, 0x90, 0xBF};
  else if (lead >= 0xF1 && lead <= 0xF3)
    rule = {3, 0x80, 0xBF};
  else if (lead == 0xF4)
    rule = {3, 0x80, 0x8F};
  else
    return false;
  return true;
}

}  // namespace

char32_t next_code_point(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<std::uint8_t>(text[pos++]);
  if (lead < 0x80) return lead;

  LeadRule rule;
  if (!lead_rule(lead, rule)) return kReplacementCharacter;

  const int payload_bits_of_lead = 6 - rule.continuation_bytes;
  char32_t value = lead & ((1u << payload_bits_of_lead) - 1);
  for (int i = 0; i < rule.continuation_bytes; ++i) {
    if (pos >= text.size()) return kReplacementCharacter;
    const auto byte = static_cast<std::uint8_t>(text[pos]);
    const std::uint8_t min = i == 0 ? rule.second_min : 0x80;
    const std::uint8_t max = i == 0 ? rule.second_max : 0xBF;
    if (byte < min || byte > max) return kReplacementCharacter;  // the byte starts the next one
    value = (value << 6) | (byte & 0x3Fu);
    ++pos;
  }
  return value;
}

void append_utf8(std::string& text, char32_t c) {
  if (c < 0x80) {
    text += static_cast<char>(c);
    return;
  }
  // Lead byte, then six bits a continuation byte, most significant first.
  const int continuation_bytes = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  constexpr unsigned char kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
  text += static_cast<char>(kLeadMarks[continuation_bytes] | (c >> (6 * continuation_bytes)));
  for (int i = continuation_bytes - 1; i >= 0; --i) {
    text += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
  }
}

}  // namespace tessivar::fonts
