#pragma once
// Polish identifiers with valid check digits: tax number (NIP), business
// register number (REGON), personal number (PESEL), bank account (NRB).
#include <string>

#include "recordfile/record_view.hpp"
#include "sample_dice.hpp"

namespace vx::sample {

std::string make_nip(Dice& dice);
std::string make_regon(Dice& dice);
std::string make_pesel(Dice& dice, PackedDate born, bool female);
// 26 digits; bank_code holds the bank's 8 digits.
std::string make_account(Dice& dice, const std::string& bank_code);
// The account in groups of four, as printed on transfer orders.
std::string grouped_account(const std::string& account);
// "123-456-78-90", the way tax numbers are written on documents.
std::string dashed_nip(const std::string& nip);

}  // namespace vx::sample
