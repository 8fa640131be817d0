#pragma once

#include "printing/print_job.h"

namespace krellix {

// The activity log, every line unchanged and uncut, under a title and a "Log printed on"
// line. Logs "Print=Log" first, so that line is printed too, and "Lines_Printed=" + the log
// lines printed at the end; an empty log prints nothing. Cannot be stopped.
PrintResult PrintLogfile(const PrintContext& ctx, PrintTarget& printer);

}  // namespace krellix
