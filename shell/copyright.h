// The suite's copyright line: in every About box, at the foot of the reports and of the
// help texts that end with it.
#pragma once

namespace shell {

// Defined out of line: g++ 12 folds a constant line into the string sums that use it and
// then warns falsely of bounds.
extern const char* const kCopyrightLine;

}  // namespace shell
