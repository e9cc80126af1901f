// Keeps event handlers from running inside one another where that would be
// wrong. Any handler may run while another is running (a modal form shown from
// a handler has its own events), but a timer tick that arrives while a handler
// is running, for example from the message loop of a modal message box, is
// dropped rather than nested.
#pragma once

namespace zelvane::rt {

class HandlerGate {
 public:
  // Marks a handler as running for its lifetime.
  class Scope {
   public:
    explicit Scope(HandlerGate& gate) : gate_(gate) { ++gate_.depth_; }
    ~Scope() { --gate_.depth_; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    HandlerGate& gate_;
  };

  bool Busy() const { return depth_ > 0; }
  int Depth() const { return depth_; }
  int DroppedTicks() const { return dropped_; }

  // Runs an event handler; it may nest inside another.
  template <class F>
  void RunHandler(F&& handler) {
    Scope scope(*this);
    handler();
  }

  // Runs a timer tick's handler unless a handler is running; false when the
  // tick was dropped.
  template <class F>
  bool RunTick(F&& handler) {
    if (Busy()) {
      ++dropped_;
      return false;
    }
    Scope scope(*this);
    handler();
    return true;
  }

 private:
  int depth_ = 0;
  int dropped_ = 0;
};

}  // namespace zelvane::rt
