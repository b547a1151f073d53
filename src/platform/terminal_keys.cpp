#include "platform/terminal_keys.hpp"

#include <optional>

#include "charset/unicode_table.hpp"
#include "platform/key_codes.hpp"

namespace vx::platform {

namespace {

constexpr char kEscByte = '\x1B';
// A sequence longer than this is garbage, not a key.
constexpr std::size_t kLongestSequence = 32;

// Modifier bits of xterm's parameter (value - 1).
constexpr int kModShift = 1;
constexpr int kModAlt = 2;
constexpr int kModCtrl = 4;

// A cursor-block key with the PC codes it has alone, with Ctrl and with Alt.
struct EditingKey {
  std::uint16_t plain, ctrl, alt;
};
constexpr EditingKey kUpKey{0x4800, 0x8D00, 0x9800};
constexpr EditingKey kDownKey{0x5000, 0x9100, 0xA000};
constexpr EditingKey kLeftKey{0x4B00, 0x7300, 0x9B00};
constexpr EditingKey kRightKey{0x4D00, 0x7400, 0x9D00};
constexpr EditingKey kHomeKey{0x4700, 0x7700, 0x9700};
constexpr EditingKey kEndKey{0x4F00, 0x7500, 0x9F00};
constexpr EditingKey kPgUpKey{0x4900, 0x8400, 0x9900};
constexpr EditingKey kPgDnKey{0x5100, 0x7600, 0xA100};
constexpr EditingKey kInsKey{0x5200, 0x9200, 0xA200};
constexpr EditingKey kDelKey{0x5300, 0x9300, 0xA300};

// F1..F10 and F11..F12 run in two blocks of scan codes for each modifier.
constexpr EditingKey function_key_codes(int n) {
  const auto code = [n](int first_of_ten, int first_of_two) {
    return static_cast<std::uint16_t>((n <= 10 ? first_of_ten + n - 1 : first_of_two + n - 11) << 8);
  };
  return {code(0x3B, 0x85), code(0x5E, 0x89), code(0x68, 0x8B)};
}
constexpr std::uint16_t shifted_function_key(int n) {
  return static_cast<std::uint16_t>((n <= 10 ? 0x54 + n - 1 : 0x87 + n - 11) << 8);
}

// Ctrl with the keys that send bytes 28 to 31.
constexpr std::uint16_t kCtrlPunctuation[4] = {0x2B1C, 0x1B1D, 0x071E, 0x0C1F};
// Alt+1 .. Alt+9, Alt+0.
constexpr std::uint8_t kAltDigitScanOne = 0x78;
constexpr std::uint8_t kAltDigitScanZero = 0x81;

TerminalInput key_input(std::uint16_t code, std::uint8_t shift = 0) {
  TerminalInput in;
  in.key = {code, shift};
  return in;
}

TerminalInput editing_input(const EditingKey& k, int mods) {
  const std::uint8_t shift = (mods & kModShift) ? kShiftState : 0;
  if (mods & kModCtrl) return key_input(k.ctrl, shift);
  if (mods & kModAlt) return key_input(k.alt, shift);
  return key_input(k.plain, shift);
}

TerminalInput function_input(int n, int mods) {
  if ((mods & (kModCtrl | kModAlt)) == 0 && (mods & kModShift))
    return key_input(shifted_function_key(n), kShiftState);
  return editing_input(function_key_codes(n), mods);
}

TerminalInput char_input(std::uint8_t ch) {
  return key_input(keys::char_key(ch), ch >= 'A' && ch <= 'Z' ? kShiftState : 0);
}

// What the parser made of the bytes at the front: how many it used and the
// input they gave (none for a swallowed sequence). Nothing used means the
// sequence is not complete yet.
struct Step {
  std::size_t used = 0;
  std::optional<TerminalInput> input;
};

constexpr Step kNeedMore{};

Step done(std::size_t used, std::optional<TerminalInput> in = std::nullopt) {
  return {used, in};
}

// Parameters of a sequence: numbers separated by ';' (missing ones are 0).
std::vector<int> parameters(std::string_view s) {
  std::vector<int> out{0};
  for (char c : s) {
    if (c == ';') {
      out.push_back(0);
    } else if (c >= '0' && c <= '9') {
      if (out.back() < 10000) out.back() = out.back() * 10 + (c - '0');
    }
  }
  return out;
}

int modifiers(const std::vector<int>& params, std::size_t at) {
  return at < params.size() && params[at] > 1 ? params[at] - 1 : 0;
}

std::optional<TerminalInput> tilde_key(int number, int mods) {
  switch (number) {
    case 1: case 7: return editing_input(kHomeKey, mods);
    case 2: return editing_input(kInsKey, mods);
    case 3: return editing_input(kDelKey, mods);
    case 4: case 8: return editing_input(kEndKey, mods);
    case 5: return editing_input(kPgUpKey, mods);
    case 6: return editing_input(kPgDnKey, mods);
    default: break;
  }
  // VT220 numbering leaves gaps between the groups of function keys.
  if (number >= 11 && number <= 15) return function_input(number - 10, mods);
  if (number >= 17 && number <= 21) return function_input(number - 11, mods);
  if (number == 23 || number == 24) return function_input(number - 12, mods);
  return std::nullopt;
}

// Keys named by the final letter of CSI and SS3 sequences.
std::optional<TerminalInput> letter_key(char final, int mods) {
  switch (final) {
    case 'A': return editing_input(kUpKey, mods);
    case 'B': return editing_input(kDownKey, mods);
    case 'C': return editing_input(kRightKey, mods);
    case 'D': return editing_input(kLeftKey, mods);
    case 'H': return editing_input(kHomeKey, mods);
    case 'F': return editing_input(kEndKey, mods);
    case 'P': case 'Q': case 'R': case 'S': return function_input(final - 'P' + 1, mods);
    default: return std::nullopt;
  }
}

std::optional<TerminalInput> mouse_press(int button_bits, int col, int row) {
  // Motion reports (32) and wheel turns (64) are not clicks.
  if (button_bits & 0x60) return std::nullopt;
  constexpr std::uint16_t kButtons[3] = {1, 4, 2};  // left, middle, right
  const int b = button_bits & 3;
  if (b == 3) return std::nullopt;  // release in the old encoding
  TerminalInput in;
  in.kind = TerminalInput::kMouse;
  in.mouse = {kButtons[b], col, row};
  return in;
}

// ESC [ M b x y: each value a byte offset by 32.
Step x10_mouse(std::string_view s) {
  if (s.size() < 6) return kNeedMore;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]) - 32; };
  return done(6, mouse_press(byte(3), byte(4), byte(5)));
}

// ESC [ params final; s starts with ESC [.
Step csi(std::string_view s) {
  if (s.size() < 3) return kNeedMore;
  if (s[2] == '[') {  // Linux console F1..F5: ESC [ [ A..E
    if (s.size() < 4) return kNeedMore;
    if (s[3] >= 'A' && s[3] <= 'E') return done(4, function_input(s[3] - 'A' + 1, 0));
    return done(4);
  }
  if (s[2] == 'M') return x10_mouse(s);
  std::size_t i = 2;
  // Parameter and intermediate bytes; rxvt ends its Shift forms with '$'.
  while (i < s.size() && s[i] >= 0x20 && s[i] <= 0x3F && s[i] != '$') ++i;
  if (i == s.size()) return s.size() >= kLongestSequence ? done(s.size()) : kNeedMore;
  const char final = s[i];
  if (final != '$' && (final < 0x40 || final > 0x7E)) return done(i);  // broken off
  const std::size_t used = i + 1;
  const std::string_view body = s.substr(2, i - 2);
  if (!body.empty() && body[0] == '<') {  // SGR mouse: < b ; x ; y M (press) or m
    const auto p = parameters(body.substr(1));
    if (final != 'M' || p.size() != 3) return done(used);
    return done(used, mouse_press(p[0], p[1], p[2]));
  }
  if (!body.empty() && (body[0] < '0' || body[0] > ';')) return done(used);  // private
  const auto p = parameters(body);
  switch (final) {
    case '~': return done(used, tilde_key(p[0], modifiers(p, 1)));
    case '^': return done(used, tilde_key(p[0], kModCtrl));
    case '$': return done(used, tilde_key(p[0], kModShift));
    case 'Z': return done(used, key_input(keys::kShiftTab));
    case 'a': case 'b': case 'c': case 'd':  // rxvt Shift+arrows
      return done(used, letter_key(static_cast<char>(final - 'a' + 'A'), kModShift));
    default: return done(used, letter_key(final, modifiers(p, 1)));
  }
}

// ESC O final, with an optional modifier before the final.
Step ss3(std::string_view s) {
  std::size_t i = 2;
  while (i < s.size() && ((s[i] >= '0' && s[i] <= '9') || s[i] == ';')) ++i;
  if (i == s.size()) return s.size() >= kLongestSequence ? done(s.size()) : kNeedMore;
  const char final = s[i];
  if (final < 0x40 || final > 0x7E) {
    // Alt+Shift+O sends ESC O too; a key after it is a key of its own.
    if (i == 2) return done(2, key_input(keys::alt_letter('O'), kShiftState));
    return done(i);
  }
  const std::size_t used = i + 1;
  const auto p = parameters(s.substr(2, i - 2));
  const int mods = modifiers(p, p.size() - 1);
  if (final >= 'p' && final <= 'y')  // keypad digits
    return done(used, char_input(static_cast<std::uint8_t>('0' + final - 'p')));
  switch (final) {
    case 'k': return done(used, key_input(keys::kGreyPlus));
    case 'm': return done(used, key_input(keys::kGreyMinus));
    case 'j': return done(used, key_input(0x372A));  // keypad *
    case 'o': return done(used, key_input(0x352F));  // keypad /
    case 'n': return done(used, char_input('.'));
    case 'M': return done(used, key_input(keys::kEnter));
    case 'a': case 'b': case 'c': case 'd':  // rxvt Ctrl+arrows
      return done(used, letter_key(static_cast<char>(final - 'a' + 'A'), kModCtrl));
    default: return done(used, letter_key(final, mods));
  }
}

Step escape(std::string_view s) {
  if (s.size() < 2) return kNeedMore;
  const auto next = static_cast<unsigned char>(s[1]);
  if (next == '[') return csi(s);
  if (next == 'O') return ss3(s);
  if (next >= 'a' && next <= 'z')
    return done(2, key_input(keys::alt_letter(static_cast<char>(next - 32))));
  if (next >= 'A' && next <= 'Z')
    return done(2, key_input(keys::alt_letter(static_cast<char>(next)), kShiftState));
  if (next >= '1' && next <= '9')
    return done(2, key_input(static_cast<std::uint16_t>((kAltDigitScanOne + next - '1') << 8)));
  if (next == '0') return done(2, key_input(static_cast<std::uint16_t>(kAltDigitScanZero << 8)));
  // Esc pressed just before another control key or a non-ASCII letter: both
  // count. Alt with other printable keys means nothing here.
  if (next < 0x20 || next >= 0x80) return done(1, key_input(keys::kEsc));
  return done(2);
}

Step control(unsigned char b) {
  switch (b) {
    case 0x08: case 0x7F: return done(1, key_input(keys::kBackspace));
    case '\t': return done(1, key_input(keys::kTab));
    case '\r': case '\n': return done(1, key_input(keys::kEnter));
    default: break;
  }
  if (b >= 1 && b <= 26) return done(1, key_input(keys::ctrl_letter(static_cast<char>('A' + b - 1))));
  if (b >= 28 && b <= 31) return done(1, key_input(kCtrlPunctuation[b - 28]));
  return done(1);
}

// A UTF-8 character; one CP852 lacks is dropped, as are malformed bytes.
Step utf8_char(std::string_view s) {
  const auto lead = static_cast<unsigned char>(s[0]);
  const std::size_t length = lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead >= 0xF8) return done(1);
  char32_t c = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if (k >= s.size()) return kNeedMore;
    const auto b = static_cast<unsigned char>(s[k]);
    if ((b & 0xC0) != 0x80) return done(k);
    c = (c << 6) | (b & 0x3F);
  }
  const int ch = charset::unicode_to_cp852(c);
  if (ch < 0x80) return done(length);
  return done(length, char_input(static_cast<std::uint8_t>(ch)));
}

Step parse_front(std::string_view s) {
  const auto b = static_cast<unsigned char>(s[0]);
  if (b == kEscByte) return escape(s);
  if (b < 0x20 || b == 0x7F) return control(b);
  if (b < 0x80) return done(1, char_input(b));
  return utf8_char(s);
}

}  // namespace

void TerminalKeyParser::feed(std::string_view bytes, std::vector<TerminalInput>& out) {
  held_.append(bytes);
  std::size_t at = 0;
  while (at < held_.size()) {
    const Step step = parse_front(std::string_view(held_).substr(at));
    if (step.used == 0) break;
    if (step.input) out.push_back(*step.input);
    at += step.used;
  }
  held_.erase(0, at);
}

void TerminalKeyParser::delay_passed(std::vector<TerminalInput>& out) {
  if (held_ == "\x1B") out.push_back(key_input(keys::kEsc));
  if (held_ == "\x1BO") out.push_back(key_input(keys::alt_letter('O'), kShiftState));
  held_.clear();
}

}  // namespace vx::platform
