#pragma once

#include <functional>
#include <utility>

namespace krellix {

// Runs `run` as one run of a command group: refused (false) while the group's own run
// (`running`) or another one (`busy`) is under way. `after` follows every run: a close asked
// for during the run happens then.
template <typename Run>
bool RunExclusively(bool& running, const std::function<bool()>& busy,
                    const std::function<void()>& after, Run&& run) {
  if (running || busy()) return false;
  running = true;
  std::forward<Run>(run)();
  running = false;
  after();
  return true;
}

}  // namespace krellix
