#pragma once
// A component value set aside while a sweep varies it, and given back however the sweep ends
// (its end, Stop, or a failure escaping a solve).

namespace volmira {

// Holds the component's own value and writes it back, then lets `resync` bring what derives
// from it (the branch sums, the prepared solver) up to date. `resync` must not throw.
template <class Resync>
class ParameterValueGuard {
  public:
    ParameterValueGuard(double& value, Resync& resync)
        : value_(value), saved_(value), resync_(resync) {}
    ParameterValueGuard(const ParameterValueGuard&) = delete;
    ParameterValueGuard& operator=(const ParameterValueGuard&) = delete;
    ~ParameterValueGuard() {
        value_ = saved_;
        resync_();
    }

    double saved() const { return saved_; }

  private:
    double& value_;
    const double saved_;
    Resync& resync_;
};

}  // namespace volmira
