#pragma once
// DRA social-insurance declarations of 2018 prepared in the 2017
// installation: each file carried to the 2018 company directory, its texts
// converted when the data change character standard.
#include <cstddef>
#include <string_view>

#include "conversion/company_job.hpp"
#include "recordfile/record_view.hpp"

namespace vx::conversion {

namespace dra {
inline constexpr auto kMask = "2018D4??.*";
// A declaration: the main block, then attachments to the end of the file.
inline constexpr std::size_t kMainSize = 896;
inline constexpr TextField kMainTexts[] = {{92, 31}, {124, 31}, {156, 22}};
inline constexpr std::size_t kAttachmentSize = 448;
inline constexpr TextField kAttachmentTexts[] = {{5, 31}, {37, 22}};
}  // namespace dra

void carry_dra_declarations(CompanyJob& job, std::string_view company_dir);

}  // namespace vx::conversion
