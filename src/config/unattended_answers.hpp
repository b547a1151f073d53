#pragma once
// How an unattended run answers the questions an operator would be asked,
// as its profile sets them. The defaults are the answers that change the
// least: keep what 2018 already has, hide nothing.
#include <cstdint>

namespace vx::config {

struct UnattendedAnswers {
  bool replace_existing = false;     // a 2018 file already there: replace (else keep)
  bool annual_from_2018 = false;     // both annual files in 2017: take the 2018 one (else 2017)
  bool hide_unsettled = false;       // hide the 2017 file of unsettled documents
  bool carry_person = true;          // a person asked about: carry (else leave out)
  bool carry_pit_person = true;      // a PIT person asked about: carry
  bool carry_open_december = false;  // opening balances of an open December: carry
  bool create_missing = false;       // a file not found: create a new one
  int lock_wait_seconds = 30;        // a locked or busy file: wait this long, then skip it
};

}  // namespace vx::config
