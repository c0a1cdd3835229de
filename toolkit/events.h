// Events: the current event, handler bindings, timers, posting and the wait.
#pragma once

#include "toolkit/types.h"

namespace tk {

struct Event {
    EventKind kind = EventKind::None;
    int window = 0;
    int gadget = 0;
    int type = 0;   // an EventType for gadget events
    int timer = 0;  // timer events
};

// Handlers are plain procedures that read the current event.
using Handler = void (*)();

// The event being handled (kind None outside of handlers).
const Event& CurrentEvent();

// Binds a handler to one gadget, for every event type or for one. For each
// event, bindings for its type run before bindings for all types, and among
// bindings of the same key the later one runs first.
void BindGadgetEvent(int gadget, Handler handler, int type = AnyType);
void UnbindGadgetEvent(int gadget, Handler handler, int type = AnyType);
void BindTimerEvent(int window, int timer, Handler handler);

// Window timers; adding a running timer restarts it.
void AddWindowTimer(int window, int timer, int milliseconds);
void RemoveWindowTimer(int window, int timer);
bool IsWindowTimerRunning(int window, int timer);

// Queues an event; it reaches its handlers only when WaitEvent next runs.
void PostEvent(const Event& event);

// Blocks until an event has been handled and returns its kind. Native events
// reach their handlers as they arrive; posted ones when the wait takes them.
EventKind WaitEvent();

namespace detail {
// Calls the handlers bound to the event at once, with it as current event.
void Dispatch(const Event& event);
// Hands every posted event to its handlers now, as the next waits would.
void DispatchPostedEvents();
// Drops every binding of a gadget that is going away.
void ForgetGadgetBindings(int gadget);
void ForgetWindowTimers(int window);
void ResetEvents();
}  // namespace detail

}  // namespace tk
