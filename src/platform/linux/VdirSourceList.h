// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar sources of the vdir store: the folders listed in the sources file under the
// config folder.
#pragma once

#include "platform/CalendarSources.h"

namespace ruvo::platform::vdir {

class VdirSourceList final : public CalendarSources {
public:
    explicit VdirSourceList(const QString& configDirectory);

    kit::Result<std::vector<CalendarSource>> sources() const override;
    kit::Result<void> add(const CalendarSource& source) override;
    kit::Result<bool> remove(const QString& location) override;

private:
    QString m_file;
};

} // namespace ruvo::platform::vdir
