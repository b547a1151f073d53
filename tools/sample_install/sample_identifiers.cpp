#include "sample_identifiers.hpp"

namespace vx::sample {

namespace {
int digit(const std::string& s, std::size_t i) { return s[i] - '0'; }

int weighted(const std::string& s, std::initializer_list<int> weights) {
  int sum = 0;
  std::size_t i = 0;
  for (int w : weights) sum += w * digit(s, i++);
  return sum;
}
}  // namespace

std::string make_nip(Dice& dice) {
  for (;;) {
    std::string s = std::to_string(dice.between(1, 9)) + dice.digits(8);
    const int check = weighted(s, {6, 5, 7, 2, 3, 4, 5, 6, 7}) % 11;
    if (check == 10) continue;  // no valid number with these digits
    return s + static_cast<char>('0' + check);
  }
}

std::string make_regon(Dice& dice) {
  std::string s = dice.digits(8);
  const int check = weighted(s, {8, 9, 2, 3, 4, 5, 6, 7}) % 11 % 10;
  return s + static_cast<char>('0' + check);
}

std::string make_pesel(Dice& dice, PackedDate born, bool female) {
  const int year = born.year;
  const int month = born.month + (year >= 2000 ? 20 : 0);
  std::string s;
  auto two = [&s](int v) {
    s += static_cast<char>('0' + v / 10 % 10);
    s += static_cast<char>('0' + v % 10);
  };
  two(year % 100);
  two(month);
  two(born.day);
  s += dice.digits(3);
  s += static_cast<char>('0' + 2 * dice.between(0, 4) + (female ? 0 : 1));
  const int check = (10 - weighted(s, {1, 3, 7, 9, 1, 3, 7, 9, 1, 3}) % 10) % 10;
  return s + static_cast<char>('0' + check);
}

std::string make_account(Dice& dice, const std::string& bank_code) {
  const std::string basic = bank_code + dice.digits(16);
  // IBAN check digits: the number followed by "PL00" (P = 25, L = 21), mod 97.
  const std::string numeric = basic + "252100";
  int rest = 0;
  for (char c : numeric) rest = (rest * 10 + (c - '0')) % 97;
  const int check = 98 - rest;
  std::string s;
  s += static_cast<char>('0' + check / 10);
  s += static_cast<char>('0' + check % 10);
  return s + basic;
}

std::string grouped_account(const std::string& account) {
  std::string s = account.substr(0, 2);
  for (std::size_t i = 2; i < account.size(); i += 4) s += " " + account.substr(i, 4);
  return s;
}

std::string dashed_nip(const std::string& nip) {
  return nip.substr(0, 3) + "-" + nip.substr(3, 3) + "-" + nip.substr(6, 2) + "-" + nip.substr(8, 2);
}

}  // namespace vx::sample
