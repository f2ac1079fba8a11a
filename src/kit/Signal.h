// SPDX-License-Identifier: GPL-3.0-or-later
// A typed publisher for logic code that is not a QObject (templates, value types).
// connect() returns a Subscription; dropping it disconnects. Emitting while handlers
// connect or disconnect is safe: each emission calls the handlers connected when it began,
// skipping any that disconnected since.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace ruvo::kit {

class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel) : m_cancel(std::move(cancel)) {}
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept : m_cancel(std::exchange(other.m_cancel, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            cancel();
            m_cancel = std::exchange(other.m_cancel, {});
        }
        return *this;
    }
    ~Subscription() { cancel(); }

    void cancel() {
        if (auto cancel = std::exchange(m_cancel, {}))
            cancel();
    }
    bool isActive() const { return static_cast<bool>(m_cancel); }

    // Ties the subscription to `owner`: it ends when the owner is destroyed.
    void tieTo(QObject* owner);

private:
    std::function<void()> m_cancel;
};

template <typename... Args> class Signal {
public:
    using Handler = std::function<void(const Args&...)>;

    [[nodiscard]] Subscription connect(Handler handler) {
        const quint64 id = m_state->nextId++;
        m_state->handlers.emplace(id, std::make_shared<Handler>(std::move(handler)));
        return Subscription([weak = std::weak_ptr<State>(m_state), id] {
            if (auto state = weak.lock())
                state->handlers.erase(id);
        });
    }

    void emit(const Args&... args) const {
        std::vector<std::pair<quint64, std::shared_ptr<Handler>>> snapshot(
            m_state->handlers.begin(), m_state->handlers.end());
        auto state = m_state; // keeps the state alive if a handler destroys the signal
        for (const auto& [id, handler] : snapshot) {
            if (state->handlers.count(id))
                (*handler)(args...);
        }
    }

    bool hasHandlers() const { return !m_state->handlers.empty(); }

private:
    struct State {
        quint64 nextId = 0;
        std::map<quint64, std::shared_ptr<Handler>> handlers;
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

// A value that tells its observers when it changes.
template <typename T> class ObservableValue {
public:
    explicit ObservableValue(T initial = T{}) : m_value(std::move(initial)) {}
    const T& value() const { return m_value; }
    void set(T value) {
        if (value == m_value)
            return;
        m_value = std::move(value);
        m_changed.emit(m_value);
    }
    [[nodiscard]] Subscription observe(std::function<void(const T&)> handler) {
        return m_changed.connect(std::move(handler));
    }

private:
    T m_value;
    Signal<T> m_changed;
};

} // namespace ruvo::kit
