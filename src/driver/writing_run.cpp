#include "driver/writing_run.hpp"

#include "platform/staged_folder.hpp"

namespace vx::driver {

WritingRun::WritingRun(Session& run, std::vector<std::pair<std::string, std::string>> choices)
    : lock_(run), trees_(run), folder_(start_run_folder(run)) {
  journal_ = std::make_unique<RunJournal>(run, folder_);
  history::ReportHeader header{.started = history::now(),
                               .version = VX_VERSION,
                               .source_root = run.loc.source_root,
                               .target_root = run.loc.target_root,
                               .choices = std::move(choices)};
  report_ = std::make_unique<history::RunReport>(folder_, std::move(header),
                                                 [&run](std::string_view text) { run.talk.failure(text); });
  watching_ = std::make_unique<dialogue::Dialogue::Watch>(run.talk, *report_);
}

WritingRun::~WritingRun() = default;

void WritingRun::finish() {
  report_->finish();
  watching_.reset();
}

void WritingRun::forget() {
  journal_.reset();
  platform::remove_tree(folder_);
}

}  // namespace vx::driver
