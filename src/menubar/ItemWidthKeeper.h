// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the item's width steady under a custom pattern: a new width is taken only when the
// text's width moved by 6.4 points or more, so changing digits do not make the item jitter.
#pragma once

#include <cmath>
#include <optional>

namespace ruvo::menubar {

class ItemWidthKeeper {
public:
    static constexpr double kPadding = 8;
    static constexpr double kTolerance = 6.4;

    // The width to use for a text measured at `textWidth`.
    double update(double textWidth) {
        const double candidate = std::ceil(textWidth) + kPadding;
        if (!m_width || std::abs(candidate - *m_width) >= kTolerance)
            m_width = candidate;
        return *m_width;
    }
    std::optional<double> width() const { return m_width; }

private:
    std::optional<double> m_width;
};

} // namespace ruvo::menubar
