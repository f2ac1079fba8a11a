// SPDX-License-Identifier: GPL-3.0-or-later
// The handle of one scheduled task. It has one owner: dropping it cancels the task.
#pragma once

#include <functional>
#include <memory>

namespace ruvo::kit {

class Timer {
public:
    struct State {
        bool isActive = true;
        std::function<void()> cancel;
    };

    Timer() = default;
    explicit Timer(std::shared_ptr<State> state) : m_state(std::move(state)) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    Timer(Timer&& other) noexcept = default;
    Timer& operator=(Timer&& other) noexcept {
        if (this != &other) {
            cancel();
            m_state = std::move(other.m_state);
        }
        return *this;
    }
    ~Timer() { cancel(); }

    // A one-shot timer stops being active once it has run.
    bool isActive() const { return m_state && m_state->isActive; }

    void cancel() {
        if (!m_state)
            return;
        if (m_state->isActive && m_state->cancel)
            m_state->cancel();
        m_state->isActive = false;
        m_state.reset();
    }

private:
    std::shared_ptr<State> m_state;
};

} // namespace ruvo::kit
