// Undo steps that run on every way out of a scope, exceptions included.
#pragma once

#include <utility>

namespace mr {

// Runs the step when the scope ends. A step that fails is swallowed: an undo step must not skip
// the ones after it, and nothing may leave a destructor.
template <typename Step>
class AtScopeExit {
public:
    explicit AtScopeExit(Step step) : step_(std::move(step)) {}
    ~AtScopeExit() {
        try {
            step_();
        } catch (...) {
        }
    }
    AtScopeExit(const AtScopeExit&) = delete;
    AtScopeExit& operator=(const AtScopeExit&) = delete;

private:
    Step step_;
};

}  // namespace mr
