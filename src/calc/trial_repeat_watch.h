#pragma once

#include <limits>

namespace ostrelta {

// Notices when the trial power at the start of a pass of the overall power
// search equals the one at an earlier pass. The next trial power depends on
// the trial power alone (the core values are fixed for the search), so from
// that pass on the passes run the same cycle over and over, and whole cycles
// can be skipped without changing where the search ends.
//
// Brent's method: one trial power is kept and compared with every later one;
// it is replaced by the current one after spans of 1, 2, 4, ... passes. A
// cycle of length L entered after M passes is noticed within about
// 2 * max(M, L) + L passes, at the price of one comparison a pass.
class TTrial_repeat_watch {
public:
    // Called with the trial power at the start of every pass, in order of
    // passes (1, 2, ...). Returns how many passes, starting with this one, run
    // whole cycles and can be skipped: a multiple of the cycle length that
    // leaves fewer than one cycle before pass_limit. Returns 0 while no repeat
    // has been seen.
    long Skippable_passes(float P_trial, long pass, long pass_limit)
    {
        if (period_ == 0) {
            if (P_trial == kept_) {
                period_ = pass - kept_pass_;
            } else {
                if (pass - kept_pass_ >= span_) {
                    kept_ = P_trial;
                    kept_pass_ = pass;
                    span_ *= 2;
                }
                return 0;
            }
        }
        const long remaining = pass_limit - pass + 1;
        return remaining / period_ * period_;
    }

    // The length of the cycle once a repeat has been seen, 0 before.
    long Period() const { return period_; }

private:
    float kept_ = std::numeric_limits<float>::quiet_NaN();  // equal to no trial power
    long kept_pass_ = 0;
    long span_ = 1;
    long period_ = 0;
};

}  // namespace ostrelta
