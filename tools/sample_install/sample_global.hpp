#pragma once
// The global files of the 2017 installation's program subdirectory.
#include "sample_files.hpp"

namespace vx::sample {

struct OfficeShape;

void write_global_files(const OfficeShape& shape, const OutDir& out);

}  // namespace vx::sample
