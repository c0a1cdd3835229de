#include "toolkit/events.h"

#include <algorithm>
#include <deque>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/windows.h"

namespace tk {

namespace {

struct GadgetBinding {
    int gadget;
    int type;
    Handler handler;
};

struct TimerBinding {
    int window;
    int timer;
    Handler handler;
};

struct EventState {
    std::vector<GadgetBinding> gadgetBindings;  // in the order they were made
    std::vector<TimerBinding> timerBindings;
    std::vector<std::pair<int, int>> runningTimers;  // (window, timer)
    std::deque<Event> posted;
    // What WaitEvent reports: a close request is never lost, whenever it
    // was handled; otherwise the kind of the last event handled in the wait.
    int pendingCloses = 0;
    unsigned long handledCount = 0;
    EventKind lastHandled = EventKind::None;
    Event current;
};

EventState& State() {
    static EventState state;
    return state;
}

bool IsBound(const GadgetBinding& b) {
    const auto& all = State().gadgetBindings;
    return std::any_of(all.begin(), all.end(), [&](const GadgetBinding& o) {
        return o.gadget == b.gadget && o.type == b.type && o.handler == b.handler;
    });
}

// Handlers for a gadget event: its type's bindings before the all-types
// ones, the later binding first within each.
std::vector<GadgetBinding> GadgetHandlers(const Event& e) {
    std::vector<GadgetBinding> chosen;
    const auto& all = State().gadgetBindings;
    for (int pass = 0; pass < 2; ++pass) {
        const int wanted = pass == 0 ? e.type : AnyType;
        if (pass == 0 && wanted == AnyType) continue;
        for (auto it = all.rbegin(); it != all.rend(); ++it)
            if (it->gadget == e.gadget && it->type == wanted) chosen.push_back(*it);
    }
    return chosen;
}

void RecordHandled(EventKind kind) {
    auto& st = State();
    if (kind == EventKind::CloseWindow) ++st.pendingCloses;
    st.lastHandled = kind;
    ++st.handledCount;
}

}  // namespace

const Event& CurrentEvent() {
    return State().current;
}

void BindGadgetEvent(int gadget, Handler handler, int type) {
    if (handler) State().gadgetBindings.push_back({gadget, type, handler});
}

void UnbindGadgetEvent(int gadget, Handler handler, int type) {
    std::erase_if(State().gadgetBindings, [&](const GadgetBinding& b) {
        return b.gadget == gadget && b.handler == handler && b.type == type;
    });
}

void BindTimerEvent(int window, int timer, Handler handler) {
    if (handler) State().timerBindings.push_back({window, timer, handler});
}

void AddWindowTimer(int window, int timer, int milliseconds) {
    if (!IsWindow(window)) return;
    auto& running = State().runningTimers;
    if (std::find(running.begin(), running.end(), std::pair{window, timer}) == running.end())
        running.emplace_back(window, timer);
    backend::StartTimer(WindowHandle(window), timer, milliseconds);
}

void RemoveWindowTimer(int window, int timer) {
    auto& running = State().runningTimers;
    auto it = std::find(running.begin(), running.end(), std::pair{window, timer});
    if (it == running.end()) return;
    running.erase(it);
    backend::StopTimer(WindowHandle(window), timer);
}

bool IsWindowTimerRunning(int window, int timer) {
    const auto& running = State().runningTimers;
    return std::find(running.begin(), running.end(), std::pair{window, timer}) != running.end();
}

void PostEvent(const Event& event) {
    State().posted.push_back(event);
    backend::WakeUp();
}

EventKind WaitEvent() {
    auto& st = State();
    const unsigned long before = st.handledCount;
    for (;;) {
        if (st.pendingCloses > 0) {
            --st.pendingCloses;
            return EventKind::CloseWindow;
        }
        if (st.handledCount != before) return st.lastHandled;
        if (!st.posted.empty()) {
            const Event e = st.posted.front();
            st.posted.pop_front();
            detail::Dispatch(e);
            continue;
        }
        backend::ProcessEvents(true);
    }
}

namespace detail {

void Dispatch(const Event& event) {
    auto& st = State();
    const Event outer = st.current;  // a handler may pump events of its own
    st.current = event;
    if (event.kind == EventKind::Gadget) {
        for (const auto& b : GadgetHandlers(event))
            if (IsBound(b)) b.handler();
    } else if (event.kind == EventKind::Timer) {
        const auto bindings = st.timerBindings;
        for (auto it = bindings.rbegin(); it != bindings.rend(); ++it)
            if (it->window == event.window && it->timer == event.timer) it->handler();
    }
    st.current = outer;
    RecordHandled(event.kind);
}

void DispatchPostedEvents() {
    auto& posted = State().posted;
    while (!posted.empty()) {
        const Event e = posted.front();
        posted.pop_front();
        Dispatch(e);
    }
}

void ForgetGadgetBindings(int gadget) {
    std::erase_if(State().gadgetBindings,
                  [&](const GadgetBinding& b) { return b.gadget == gadget; });
}

void ForgetWindowTimers(int window) {
    auto& st = State();
    std::vector<std::pair<int, int>> mine;
    for (const auto& wt : st.runningTimers)
        if (wt.first == window) mine.push_back(wt);
    for (const auto& [w, timer] : mine)
        RemoveWindowTimer(w, timer);
    std::erase_if(st.timerBindings, [&](const TimerBinding& b) { return b.window == window; });
}

void ResetEvents() {
    State() = EventState();
}

}  // namespace detail

}  // namespace tk
